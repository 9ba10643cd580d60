#include "swiss/swiss_ephemeris.h"

#include <dlfcn.h>
#include <swephexp.h>  // declarations and constants only: the library is loaded on first use

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <mutex>
#include <vector>

#include "ephemeris/angles.h"

#ifndef OPC_SWE_EPHE_DIR
#define OPC_SWE_EPHE_DIR "/usr/share/libswe/ephe"
#endif

namespace swiss {
namespace {

using namespace std::chrono;

constexpr double kUnixEpochJd = 2440587.5;  // 1970-01-01 00:00 UT
// The atmosphere of the limb rule: the library's standard pressure and temperature, at sea
// level (the horizon then has no dip).
constexpr double kPressureHpa = 1013.25;
constexpr double kTemperatureC = 15;
constexpr int kSunMoonAndPlanets[] = {SE_SUN,  SE_MOON,    SE_MERCURY, SE_VENUS,
                                      SE_MARS, SE_JUPITER, SE_SATURN};
constexpr int kRahu = 7, kKetu = 8;

double JulianDay(sys_seconds t) {
  return kUnixEpochJd + t.time_since_epoch().count() / 86400.0;
}

sys_seconds ToSysSeconds(double julianDay) {
  return sys_seconds{seconds{std::llround((julianDay - kUnixEpochJd) * 86400.0)}};
}

int32 SiderealMode(Ayanamsa a) {
  switch (a) {
    case Ayanamsa::Raman:
      return SE_SIDM_RAMAN;
    case Ayanamsa::Krishnamurti:
      return SE_SIDM_KRISHNAMURTI;
    case Ayanamsa::TrueChitrapaksha:
      return SE_SIDM_TRUE_CITRA;
    case Ayanamsa::Lahiri:
      break;
  }
  return SE_SIDM_LAHIRI;
}

// The library's functions this module calls, looked up when a computation first needs them, so
// that a program which never reads with the Swiss Ephemeris neither loads nor relocates it
// (as the printing module is loaded: start-up time and memory stay those of the built-in
// formulas). The declarations of swephexp.h give the types.
struct Library {
  decltype(&swe_set_ephe_path) set_ephe_path = nullptr;
  decltype(&swe_set_sid_mode) set_sid_mode = nullptr;
  decltype(&swe_calc_ut) calc_ut = nullptr;
  decltype(&swe_azalt) azalt = nullptr;
  decltype(&swe_houses_ex2) houses_ex2 = nullptr;
  decltype(&swe_get_ayanamsa_ex_ut) get_ayanamsa_ex_ut = nullptr;
  decltype(&swe_rise_trans) rise_trans = nullptr;
  decltype(&swe_version) version = nullptr;
  decltype(&swe_get_current_file_data) get_current_file_data = nullptr;
};

// The shared object of Debian's libswe2.0 (its soname: the ABI these declarations describe).
constexpr char kLibraryFile[] = "libswe.so.2";

template <typename Function>
bool Resolve(void* handle, const char* name, Function& function, std::string& error) {
  function = reinterpret_cast<Function>(dlsym(handle, name));
  if (!function && error.empty()) error = std::string("it has no function ") + name;
  return function != nullptr;
}

// The library, loaded on the first call and kept until the program ends; on failure, why. A
// failure is not remembered, so a library installed while the program runs serves the next
// computation. Called with the session's lock held.
const Library* LoadLibrary(std::string& error) {
  static Library library;
  static bool loaded = false;
  if (loaded) return &library;
  void* handle = dlopen(kLibraryFile, RTLD_NOW | RTLD_LOCAL);
  std::string why;
  if (!handle) {
    const char* reason = dlerror();
    why = reason ? reason : "not found";
  } else {
    Library l;
    Resolve(handle, "swe_set_ephe_path", l.set_ephe_path, why);
    Resolve(handle, "swe_set_sid_mode", l.set_sid_mode, why);
    Resolve(handle, "swe_calc_ut", l.calc_ut, why);
    Resolve(handle, "swe_azalt", l.azalt, why);
    Resolve(handle, "swe_houses_ex2", l.houses_ex2, why);
    Resolve(handle, "swe_get_ayanamsa_ex_ut", l.get_ayanamsa_ex_ut, why);
    Resolve(handle, "swe_rise_trans", l.rise_trans, why);
    Resolve(handle, "swe_version", l.version, why);
    Resolve(handle, "swe_get_current_file_data", l.get_current_file_data, why);
    if (why.empty()) {
      library = l;
      loaded = true;
      return &library;
    }
    dlclose(handle);
  }
  error = std::string("The Swiss Ephemeris library (") + kLibraryFile +
          ", Debian package libswe2.0) could not be loaded: " + why +
          ". Install libswe2.0, or choose the built-in formulas in the Calculation menu.";
  return nullptr;
}

std::string LibraryError(const char* what, const char* message) {
  return std::string("Swiss Ephemeris, ") + what + ": " + (*message ? message : "failed");
}

std::string PlaceError(Place p) {
  if (!(std::abs(p.latitude) <= 90)) return "latitude outside -90..90 degrees";
  if (!(std::abs(p.longitudeEast) <= 180)) return "longitude outside -180..180 degrees";
  return {};
}

// What the sessions share, read and written under their lock: whether the path is set, and
// the span of the planets' file known to answer (see EphemerisFor).
struct Shared {
  bool pathSet = false;
  double coveredFrom = 0, coveredTo = -1;
};

std::mutex& Mutex() {
  static std::mutex mutex;
  return mutex;
}

Shared& SharedState() {
  static Shared shared;
  return shared;
}

// The file of the library's message ("Ephemeris file /usr/.../sepl_18.se1 is damaged"), by
// its name alone; else the file the library last read for the body: its planets' file
// (index 0) or its Moon's (1, which also gives the true node).
std::string FileNamed(const Library& swe, const char* message, int fileIndex) {
  const std::string text = message;
  if (const auto end = text.find(".se1"); end != std::string::npos) {
    const auto start = text.find_last_of(" '/", end);
    return text.substr(start == std::string::npos ? 0 : start + 1, end + 4 - (start + 1));
  }
  double from = 0, to = 0;
  int number = 0;
  const char* path = swe.get_current_file_data(fileIndex, &from, &to, &number);
  if (!path || !*path) return {};
  const std::string name = path;
  return name.substr(name.find_last_of('/') + 1);
}

int FileIndexOf(int body) {
  return body == SE_MOON || body == SE_TRUE_NODE ? 1 : 0;
}

// How far a body from the files may stand from the analytical ephemeris: four times the
// largest difference measured between the two over 1800 to 2399 (3000 random moments: Sun
// 0.10", Moon 4.3", Mercury to Saturn 1.3", mean node 0.001", true node 48"). Further off, the
// file's coefficients are damaged. The speeds are not held: the analytical ones cost twice
// the positions, and a damaged coefficient moves the position too.
double ArcsecondsWithin(int body) {
  switch (body) {
    case SE_MOON:
      return 18;
    case SE_TRUE_NODE:
      return 200;
    case SE_MEAN_NODE:
      return 1;
    default:
      return 5;
  }
}

// Whether the body's file is open and holds the moment. The library returns the files' flag
// for a Moon it took from the analytical ephemeris because its file is missing, and says so
// in its message only the first time (".. not found .. using Moshier eph. for moon"); its
// open file tells every time. The mean node is a formula of time, from no file.
bool FileHolds(const Library& swe, int body, double jd) {
  if (body == SE_MEAN_NODE) return true;
  double from = 0, to = 0;
  int number = 0;
  return swe.get_current_file_data(FileIndexOf(body), &from, &to, &number) && from <= jd &&
         jd <= to;
}

// One body from the ephemeris of the flags; with the error and the file at fault where the
// library failed.
struct Body {
  int id = SE_SUN;
  double jd = 0;
  int32 flags = 0;
  double xx[6]{};
  bool fromFiles = false;
  std::string error, file;
};

Body Calculate(const Library& swe, double jd, int body, int32 flags) {
  Body out;
  out.id = body;
  out.jd = jd;
  out.flags = flags;
  char message[AS_MAXCH] = "";
  const int32 used = swe.calc_ut(jd, body, flags, out.xx, message);
  if (used < 0) {
    out.error = LibraryError("body", message);
    out.file = FileNamed(swe, message, FileIndexOf(body));
    return out;
  }
  out.fromFiles = (flags & SEFLG_SWIEPH) && (used & SEFLG_SWIEPH) && FileHolds(swe, body, jd);
  return out;
}

// Holds the bodies the files gave against the analytical ephemeris, once all are computed:
// each change of ephemeris makes the library read its files again. False, with the error and
// the file at fault, where one stands further off than ArcsecondsWithin. Every body is seen
// from the Earth, which the planets' file gives with the Moon's help: where the Moon is off
// too, its file is at fault.
bool HeldAgainstAnalytical(const Library& swe, const std::vector<Body>& bodies, std::string& error,
                           std::string& file) {
  // Named first: the analytical ephemeris lets go of the library's file data.
  const std::string planetsFile = FileNamed(swe, "", 0), moonFile = FileNamed(swe, "", 1);
  // Without the speed, which the analytical ephemeris takes twice as long to give.
  const auto off = [&](int body, double jd, int32 flags, const double* files) {
    double moshier[6];
    char ignored[AS_MAXCH] = "";
    const int32 placeOnly = (flags & ~(SEFLG_SWIEPH | SEFLG_SPEED)) | SEFLG_MOSEPH;
    if (swe.calc_ut(jd, body, placeOnly, moshier, ignored) < 0) return 0.0;  // no reference
    const double apart = std::abs(std::remainder(files[0] - moshier[0], 360.0)) * 3600;
    return apart > ArcsecondsWithin(body) ? apart : 0.0;
  };
  for (const Body& b : bodies) {
    const double apart = b.fromFiles ? off(b.id, b.jd, b.flags, b.xx) : 0.0;
    if (apart == 0) continue;
    file = FileIndexOf(b.id) ? moonFile : planetsFile;
    double moon[6];
    char ignored[AS_MAXCH] = "";
    if (b.id != SE_MOON && swe.calc_ut(b.jd, SE_MOON, b.flags & ~SEFLG_SPEED, moon, ignored) >= 0 &&
        off(SE_MOON, b.jd, b.flags, moon) > 0)
      file = moonFile;
    error = "Swiss Ephemeris, body " + std::to_string(b.id) + ": " + file + " gives " +
            std::to_string(apart) + "\" from the analytical ephemeris";
    return false;
  }
  return true;
}

// The one place that loads and configures the library, which keeps its settings process-wide:
// a session holds the lock for one whole computation, loads the library (on first use), sets
// the path (once) and the ayanamsa itself, so nothing another caller set can leak
// into a result.
class Session {
 public:
  // Without the library, error() says why and nothing else may be called.
  explicit Session(const Settings& settings) : lock_(Mutex()), swe_(LoadLibrary(error_)) {
    if (!swe_) return;
    Shared& shared = SharedState();
    if (!shared.pathSet) {
      // Explicitly: the library's own search starts in the working folder. Its environment
      // variable SE_EPHE_PATH, where set, still comes first (the checks' spoiled folders).
      swe_->set_ephe_path(OPC_SWE_EPHE_DIR);
      shared.pathSet = true;
    }
    swe_->set_sid_mode(SiderealMode(settings.ayanamsa), 0, 0);
  }

  const std::string& error() const { return error_; }
  const Library& swe() const { return *swe_; }

  // The files where they hold both moments, the analytical ephemeris where the library falls
  // back to it by itself; 0 with the error and the file named where it fails. The Sun asks
  // the files: the library answers with the Moshier flag where they are missing or end (their
  // first moment is 1 January 1800, 0 h TT), with an error where one cannot be read. Asking
  // costs a tenth of a sunrise search, so the span of the planets' file that answered is
  // kept, less a day at each end (more than the difference of TT and UT in its years), and
  // moments inside it need not ask; the library keeps that file open once read.
  int32 EphemerisFor(double firstJd, double lastJd, std::string& error, std::string& file) const {
    Shared& shared = SharedState();
    if (shared.coveredFrom <= firstJd && lastJd <= shared.coveredTo) return SEFLG_SWIEPH;
    double xx[6];
    char message[AS_MAXCH] = "";
    for (const double jd : {firstJd, lastJd}) {
      const int32 used = swe_->calc_ut(jd, SE_SUN, SEFLG_SWIEPH, xx, message);
      if (used < 0) {
        error = LibraryError("Sun", message);
        file = FileNamed(*swe_, message, 0);
        return 0;
      }
      if (!(used & SEFLG_SWIEPH)) return SEFLG_MOSEPH;
    }
    double fileStart = 0, fileEnd = 0;
    int number = 0;
    if (swe_->get_current_file_data(0, &fileStart, &fileEnd, &number) && fileStart <= lastJd &&
        lastJd <= fileEnd) {
      shared.coveredFrom = fileStart + 1;
      shared.coveredTo = fileEnd - 1;
    }
    return SEFLG_SWIEPH;
  }

 private:
  std::lock_guard<std::mutex> lock_;
  std::string error_;
  const Library* swe_;
};

// The Sun above the horizon of the rule at the moment: the apparent altitude of its upper
// limb (mean semidiameter) or the true altitude of its centre. Only asked on a day without
// rise or set, when the Sun stays on one side all day.
bool SunUp(const Library& swe, double jd, int32 ephemeris, double* geopos, SunriseRule rule,
           std::string& error) {
  double xx[6], horizontal[3];
  char message[AS_MAXCH] = "";
  if (swe.calc_ut(jd, SE_SUN, ephemeris, xx, message) < 0) {
    error = LibraryError("Sun", message);
    return false;
  }
  if (rule == SunriseRule::DiscCentre) {
    swe.azalt(jd, SE_ECL2HOR, geopos, 0, 0, xx, horizontal);
    return horizontal[1] > 0;
  }
  swe.azalt(jd, SE_ECL2HOR, geopos, kPressureHpa, kTemperatureC, xx, horizontal);
  return horizontal[2] + 0.267 > 0;
}

}  // namespace

Positions ComputePositions(sys_seconds universalTime, Place place, const Settings& settings) {
  Positions out;
  if (out.error = PlaceError(place); !out.error.empty()) return out;
  const double jd = JulianDay(universalTime);
  const Session session(settings);
  if (out.error = session.error(); !out.error.empty()) return out;
  const Library& swe = session.swe();
  const int32 ephemeris = session.EphemerisFor(jd, jd, out.error, out.file);
  if (!ephemeris) return out;
  const int32 flags = ephemeris | SEFLG_SIDEREAL | SEFLG_SPEED;
  char message[AS_MAXCH] = "";
  std::vector<Body> bodies;
  const auto calculate = [&](int body, int slot) {
    bodies.push_back(Calculate(swe, jd, body, flags));
    out.error = bodies.back().error;
    out.file = bodies.back().file;
    out.bodyFromFiles[static_cast<std::size_t>(slot)] = bodies.back().fromFiles;
    return out.error.empty();
  };
  for (int i = 0; i < 7; ++i) {
    if (!calculate(kSunMoonAndPlanets[i], i)) return out;
    out.longitudes[i] = ephemeris::NormalizedDegrees(bodies.back().xx[0]);
    if (i >= kFirstPlanet) out.speeds[i - kFirstPlanet] = bodies.back().xx[3];
  }
  if (!calculate(settings.node == Node::True ? SE_TRUE_NODE : SE_MEAN_NODE, kRahu)) return out;
  out.longitudes[kRahu] = ephemeris::NormalizedDegrees(bodies.back().xx[0]);
  out.longitudes[kKetu] = ephemeris::NormalizedDegrees(bodies.back().xx[0] + 180);
  out.bodyFromFiles[kKetu] = out.bodyFromFiles[kRahu];
  out.fromFiles = std::all_of(out.bodyFromFiles.begin(), out.bodyFromFiles.end(),
                              [](bool files) { return files; });

  // The ascendant does not depend on the house system; equal houses never fail near the poles.
  double cusps[13], ascmc[10];
  if (swe.houses_ex2(jd, ephemeris | SEFLG_SIDEREAL, place.latitude, place.longitudeEast, 'E',
                     cusps, ascmc, nullptr, nullptr, message) < 0) {
    out.error = LibraryError("ascendant", message);
    return out;
  }
  out.longitudes[core::kLagna] = ephemeris::NormalizedDegrees(ascmc[0]);
  if (swe.get_ayanamsa_ex_ut(jd, ephemeris, &out.ayanamsa, message) < 0)
    out.error = LibraryError("ayanamsa", message);
  else
    HeldAgainstAnalytical(swe, bodies, out.error, out.file);
  return out;
}

SunAndMoon ComputeSunAndMoon(sys_time<duration<double>> universalTime, const Settings& settings) {
  SunAndMoon out;
  const double jd = kUnixEpochJd + universalTime.time_since_epoch().count() / 86400.0;
  const Session session(settings);
  if (out.error = session.error(); !out.error.empty()) return out;
  std::string file;
  const int32 ephemeris = session.EphemerisFor(jd, jd, out.error, file);
  if (!ephemeris) return out;
  double xx[6];
  char message[AS_MAXCH] = "";
  for (const int body : {SE_SUN, SE_MOON}) {
    if (session.swe().calc_ut(jd, body, ephemeris | SEFLG_SIDEREAL, xx, message) < 0) {
      out.error = LibraryError("body", message);
      return out;
    }
    (body == SE_SUN ? out.sun : out.moon) = ephemeris::NormalizedDegrees(xx[0]);
  }
  return out;
}

SunTimes ComputeSunTimes(year_month_day localDate, seconds utcOffset, Place place,
                         const Settings& settings) {
  SunTimes out;
  if (out.error = PlaceError(place); !out.error.empty()) return out;
  if (!localDate.ok()) {
    out.error = "no such date";
    return out;
  }
  const double start = JulianDay(sys_seconds{sys_days{localDate}} - utcOffset);
  const double end = start + 1;
  const Session session(settings);
  if (out.error = session.error(); !out.error.empty()) return out;
  const Library& swe = session.swe();
  // A day's searches may run past its end: a day's margin keeps them on one ephemeris.
  const int32 ephemeris = session.EphemerisFor(start, end + 1, out.error, out.file);
  if (!ephemeris) return out;
  out.fromFiles = ephemeris == SEFLG_SWIEPH;
  const int32 rule = settings.sunrise == SunriseRule::DiscCentre ? SE_BIT_HINDU_RISING : 0;
  double geopos[3] = {place.longitudeEast, place.latitude, 0};

  // The first event from the moment on, if it falls before `until`; -2 is the library's
  // answer for a Sun that does not cross the horizon (circumpolar).
  const auto next = [&](double from, int32 event, double until, std::optional<double>& when) {
    char message[AS_MAXCH] = "";
    double t = 0;
    const int32 status = swe.rise_trans(from, SE_SUN, nullptr, ephemeris, event | rule, geopos,
                                        kPressureHpa, kTemperatureC, &t, message);
    if (status < 0 && status != -2) out.error = LibraryError("sunrise", message);
    if (status == 0 && t < until) when = t;
    return out.error.empty();
  };
  // The sunset closes the day the sunrise opened, on whatever date it falls: in the summers
  // near the polar circles after midnight (Fairbanks, 22 June 2000: 00:47 the next date), as
  // the built-in formulas have it. A Sun that rose and stays up for a day has begun a
  // midnight sun; without a sunrise the date's first sunset is the one.
  std::optional<double> rise, set;
  if (!next(start, SE_CALC_RISE, end, rise) ||
      !next(rise.value_or(start), SE_CALC_SET, rise ? *rise + 1 : end, set))
    return out;
  // The Sun the search followed, held against the analytical ephemeris at each event.
  std::vector<Body> suns;
  for (const auto& event : {rise, set})
    if (event && ephemeris == SEFLG_SWIEPH)
      suns.push_back(Calculate(swe, *event, SE_SUN, ephemeris));
  for (const Body& sun : suns) {
    if (sun.error.empty()) continue;
    out.error = sun.error;
    out.file = sun.file;
  }
  if (!out.error.empty() || !HeldAgainstAnalytical(swe, suns, out.error, out.file)) return out;
  if (rise) out.sunrise = ToSysSeconds(*rise);
  if (set) out.sunset = ToSysSeconds(*set);

  if (rise && set) {
    out.day = SunDay::RisesAndSets;
  } else if (rise || set) {
    out.day = rise ? SunDay::RisesOnly : SunDay::SetsOnly;
  } else {
    const bool up = SunUp(swe, start + 0.5, ephemeris, geopos, settings.sunrise, out.error);
    out.day = up ? SunDay::NeverSets : SunDay::NeverRises;
  }
  return out;
}

std::string Unavailable() {
  return Session({}).error();
}

std::string LibraryVersion() {
  const Session session({});
  if (!session.error().empty()) return {};
  char version[AS_MAXCH] = "";
  session.swe().version(version);
  return version;
}

}  // namespace swiss
