// The program's style draws as the desktop's own and reads no image through the format plugins.

#include "ui/program_style.h"

#include <QFile>
#include <QGroupBox>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStyleFactory>
#include <QVBoxLayout>
#include <QtTest>

namespace {

bool ImagePluginLoaded() {
  QFile maps(QStringLiteral("/proc/self/maps"));
  if (!maps.open(QIODevice::ReadOnly)) return false;
  return maps.readAll().contains("/imageformats/");
}

QImage Grab(QWidget& widget, QStyle* style) {
  widget.setStyle(style);
  widget.resize(220, 90);
  return widget.grab().toImage();
}

}  // namespace

class ProgramStyleTest : public QObject {
  Q_OBJECT

 private slots:
  // First, while nothing else in this process has read an image.
  void windowsLoadNoImagePlugin() {
    if (!QFile::exists(QStringLiteral("/proc/self/maps"))) QSKIP("needs /proc");
    QApplication::setStyle(new ui::ProgramStyle);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"));
    auto* area = new QMdiArea;
    window.setCentralWidget(area);
    auto* box = new QGroupBox(QStringLiteral("Hora"));
    new QVBoxLayout(box);
    // As the program's result window: the program's icon, a title and no buttons.
    QPixmap icon(16, 16);
    icon.fill(Qt::darkCyan);
    QApplication::setWindowIcon(icon);
    QMdiSubWindow* inner =
        area->addSubWindow(box, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    inner->setWindowIcon(icon);
    inner->setSystemMenu(nullptr);
    inner->show();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.grab();
    QVERIFY(!ImagePluginLoaded());
  }

  void groupBoxesLookAsUnderFusion_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("checkable");
    QTest::newRow("titled") << "Personal Details" << false;
    QTest::newRow("untitled") << "" << false;
    QTest::newRow("checkable") << "Zone" << true;
  }

  void groupBoxesLookAsUnderFusion() {
    QFETCH(QString, title);
    QFETCH(bool, checkable);
    QStyle* fusion = QStyleFactory::create(QStringLiteral("fusion"));
    ui::ProgramStyle* ours = new ui::ProgramStyle;
    QGroupBox box(title);
    box.setCheckable(checkable);
    const QImage expected = Grab(box, fusion);
    QCOMPARE(Grab(box, ours), expected);
    box.setStyle(nullptr);
    delete ours;
    delete fusion;
  }

  // Made only when drawn, the menu bar's and the window menu's icons are the style's own.
  void deferredIconsAreTheStylesIcons_data() {
    QTest::addColumn<int>("which");
    QTest::newRow("menu bar arrow") << int(QStyle::SP_ToolBarHorizontalExtensionButton);
    QTest::newRow("window menu") << int(QStyle::SP_TitleBarMenuButton);
    QTest::newRow("close") << int(QStyle::SP_TitleBarCloseButton);
    QTest::newRow("restore") << int(QStyle::SP_TitleBarNormalButton);
  }

  void deferredIconsAreTheStylesIcons() {
    QFETCH(int, which);
    const auto pixmap = QStyle::StandardPixmap(which);
    QStyle* fusion = QStyleFactory::create(QStringLiteral("fusion"));
    ui::ProgramStyle ours;
    const QIcon icon = ours.standardIcon(pixmap);
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.pixmap(16).toImage(), fusion->standardIcon(pixmap).pixmap(16).toImage());
    delete fusion;
  }
};

QTEST_MAIN(ProgramStyleTest)
#include "program_style_test.moc"
