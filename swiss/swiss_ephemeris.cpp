#include "swiss/swiss_ephemeris.h"

#include <dlfcn.h>
#include <swephexp.h>  // declarations and constants only: the library is loaded on first use

#include <cmath>
#include <initializer_list>
#include <mutex>

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

// The one place that loads and configures the library, which keeps its settings process-wide:
// a session holds the lock for one whole computation, loads the library (on first use), sets
// the path (once) and the ayanamsa itself, so nothing another caller set can leak into a result.
class Session {
 public:
  // Without the library, error() says why and nothing else may be called.
  explicit Session(const Settings& settings) : lock_(Mutex()), swe_(LoadLibrary(error_)) {
    if (!swe_) return;
    static bool pathSet = false;
    if (!pathSet) {
      // Explicitly: the library's own search starts in the working folder.
      swe_->set_ephe_path(OPC_SWE_EPHE_DIR);
      pathSet = true;
    }
    swe_->set_sid_mode(SiderealMode(settings.ayanamsa), 0, 0);
  }

  const std::string& error() const { return error_; }
  const Library& swe() const { return *swe_; }

  // The files where they hold both moments, the analytical ephemeris otherwise. The Sun asks
  // the files: the library answers with the Moshier flag where they are missing, unreadable
  // or end (their first moment is 1 January 1800, 0 h TT). Asking costs a tenth of a sunrise
  // search, so the span of the planets' file that answered is kept, less a day at each end
  // (more than the difference of TT and UT in its years), and moments inside it need not ask;
  // the library keeps that file open once read.
  int32 EphemerisFor(double firstJd, double lastJd) const {
    static double coveredFrom = 0, coveredTo = -1;  // read and written under the lock
    if (coveredFrom <= firstJd && lastJd <= coveredTo) return SEFLG_SWIEPH;
    double xx[6];
    char message[AS_MAXCH] = "";
    for (const double jd : {firstJd, lastJd}) {
      const int32 used = swe_->calc_ut(jd, SE_SUN, SEFLG_SWIEPH, xx, message);
      if (used < 0 || !(used & SEFLG_SWIEPH)) return SEFLG_MOSEPH;
    }
    double fileStart = 0, fileEnd = 0;
    int number = 0;
    if (swe_->get_current_file_data(0, &fileStart, &fileEnd, &number) && fileStart <= lastJd &&
        lastJd <= fileEnd) {
      coveredFrom = fileStart + 1;
      coveredTo = fileEnd - 1;
    }
    return SEFLG_SWIEPH;
  }

 private:
  static std::mutex& Mutex() {
    static std::mutex mutex;
    return mutex;
  }
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
  const int32 ephemeris = session.EphemerisFor(jd, jd);
  out.fromFiles = ephemeris == SEFLG_SWIEPH;
  const int32 flags = ephemeris | SEFLG_SIDEREAL | SEFLG_SPEED;
  char message[AS_MAXCH] = "";
  double xx[6];

  const auto calculate = [&](int body, const char* name) {
    const int32 used = swe.calc_ut(jd, body, flags, xx, message);
    if (used < 0) out.error = LibraryError(name, message);
    if (!(used & SEFLG_SWIEPH)) out.fromFiles = false;
    return used >= 0;
  };
  for (int i = 0; i < 7; ++i) {
    if (!calculate(kSunMoonAndPlanets[i], "body")) return out;
    out.longitudes[i] = ephemeris::NormalizedDegrees(xx[0]);
    if (i >= kFirstPlanet) out.speeds[i - kFirstPlanet] = xx[3];
  }
  if (!calculate(settings.node == Node::True ? SE_TRUE_NODE : SE_MEAN_NODE, "node")) return out;
  out.longitudes[kRahu] = ephemeris::NormalizedDegrees(xx[0]);
  out.longitudes[kKetu] = ephemeris::NormalizedDegrees(xx[0] + 180);

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
  const int32 ephemeris = session.EphemerisFor(start, end + 1);
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
