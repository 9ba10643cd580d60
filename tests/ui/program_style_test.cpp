// The program's style draws as Fusion does and reads no image through the format plugins.

#include "ui/app/program_style.h"

#include <QFile>
#include <QGroupBox>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStyleFactory>
#include <QtTest>

class ProgramStyleTest : public QObject {
  Q_OBJECT

 private slots:
  // First, while nothing else in this process has read an image. Like the program's windows:
  // a menu bar, a group box, a result window with the program's icon and no buttons.
  void windowsLoadNoImagePlugin() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.exists()) QSKIP("needs /proc");
    QApplication::setStyle(new ui::ProgramStyle);
    QPixmap icon(16, 16);
    icon.fill(Qt::darkCyan);
    QApplication::setWindowIcon(icon);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"));
    auto* area = new QMdiArea;
    window.setCentralWidget(area);
    area->addSubWindow(new QGroupBox(QStringLiteral("Hora")),
                       Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
        ->setSystemMenu(nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.grab();
    QVERIFY(maps.open(QIODevice::ReadOnly));
    QVERIFY(!maps.readAll().contains("/imageformats/"));
  }

  void looksAsFusion_data() {
    QTest::addColumn<QString>("title");  // of a group box; empty: an icon instead
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<int>("icon");
    QTest::newRow("titled box") << "Personal Details" << false << 0;
    QTest::newRow("untitled box") << "" << false << 0;
    QTest::newRow("checkable box") << "Zone" << true << 0;
    QTest::newRow("menu bar arrow")
        << "" << false << int(QStyle::SP_ToolBarHorizontalExtensionButton);
    QTest::newRow("window menu icon") << "" << false << int(QStyle::SP_TitleBarMenuButton);
  }

  void looksAsFusion() {
    QFETCH(QString, title);
    QFETCH(bool, checkable);
    QFETCH(int, icon);
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
    ui::ProgramStyle ours(QStringLiteral("fusion"));
    if (icon != 0) {
      const auto which = QStyle::StandardPixmap(icon);
      QCOMPARE(ours.standardIcon(which).pixmap(16).toImage(),
               fusion->standardIcon(which).pixmap(16).toImage());
      return;
    }
    QGroupBox box(title);
    box.setCheckable(checkable);
    box.resize(220, 90);
    box.setStyle(fusion.get());
    const QImage expected = box.grab().toImage();
    box.setStyle(&ours);
    QCOMPARE(box.grab().toImage(), expected);
    box.setStyle(nullptr);
  }
};

QTEST_MAIN(ProgramStyleTest)
#include "program_style_test.moc"
