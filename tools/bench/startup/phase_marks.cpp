// Preloaded into a program by `umrak_startup --phases`: notes when the
// program reaches the steps every Qt Widgets program takes on its way to the
// first frame, and how long it spends in the libraries that start-up waits
// on. Each step is a call from one library into another, taken over here by
// its exported name and passed on to the real function.
//
// At exit it writes one line per step to the file named by
// UMRAK_STARTUP_MARKS: the step's name, when it was first entered and when
// its first call returned (CLOCK_MONOTONIC nanoseconds), how often it was
// called and the time spent inside it in all.

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

std::int64_t now() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return std::int64_t{t.tv_sec} * 1'000'000'000 + t.tv_nsec;
}

enum Step : std::size_t {
  kMain,
  kQApplication,
  kShow,
  kExec,
  kBeginPaint,
  kEndPaint,
  kFlush,
  kPutImage,
  kDlopen,
  kPluginScan,
  kFontconfigInit,
  kFontMatch,
  kFontSort,
  kShaping,
  kTranslations,
  kXReply,
  kStepCount
};

constexpr std::array<const char*, kStepCount> kNames{
    "main",     "QApplication", "show",         "exec",       "beginPaint",     "endPaint",
    "flush",    "putImage",     "dlopen",       "pluginScan", "fontconfigInit", "fontMatch",
    "fontSort", "shaping",      "translations", "xReply",
};

struct Tally {
  std::int64_t firstEntered = 0;
  std::int64_t firstReturned = 0;
  std::int64_t inside = 0;
  long calls = 0;
  int depth = 0;
  std::int64_t enteredAt = 0;
};

std::array<Tally, kStepCount> tallies;

// Counts a call once however it nests (a plugin scan that opens a library).
class Span {
 public:
  explicit Span(Step step) : tally_(tallies[step]), start_(now()) {
    if (tally_.firstEntered == 0) tally_.firstEntered = start_;
    if (tally_.depth++ == 0) tally_.enteredAt = start_;
  }
  Span(const Span&) = delete;
  Span& operator=(const Span&) = delete;
  ~Span() {
    const std::int64_t end = now();
    if (tally_.firstReturned == 0) tally_.firstReturned = end;
    ++tally_.calls;
    if (--tally_.depth == 0) tally_.inside += end - tally_.enteredAt;
  }

 private:
  Tally& tally_;
  std::int64_t start_;
};

// The function of that name that the program would have called; a library
// that only a plugin loads is not in the global scope and is asked by name.
template <typename Function>
Function real(const char* name, const char* library = nullptr) {
  void* function = dlsym(RTLD_NEXT, name);
  if (!function && library) {
    if (void* handle = dlopen(library, RTLD_LAZY | RTLD_NOLOAD)) function = dlsym(handle, name);
  }
  return reinterpret_cast<Function>(function);
}

// Calls the real function of that name, counted as `step`. One function of
// each step and signature, so the function found once serves every call.
template <Step step, typename Result, typename... Args>
Result passOn(const char* name, Args... args) {
  static const auto f = real<Result (*)(Args...)>(name);
  const Span span(step);
  return f(args...);
}

// Notes a step that is entered once and not left before the program ends.
void reached(Step step) {
  tallies[step].firstEntered = tallies[step].firstReturned = now();
  tallies[step].calls = 1;
}

__attribute__((destructor)) void writeMarks() {
  const char* path = std::getenv("UMRAK_STARTUP_MARKS");
  if (!path) return;
  const int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return;
  for (std::size_t i = 0; i < kStepCount; ++i) {
    const Tally& t = tallies[i];
    if (t.calls == 0 && t.firstEntered == 0) continue;
    dprintf(fd, "%s %lld %lld %ld %lld\n", kNames[i], static_cast<long long>(t.firstEntered),
            static_cast<long long>(t.firstReturned), t.calls, static_cast<long long>(t.inside));
  }
  close(fd);
}

using Main = int (*)(int, char**, char**);
Main realMain = nullptr;

int markedMain(int argc, char** argv, char** env) {
  reached(kMain);
  return realMain(argc, argv, env);
}

}  // namespace

// The C library calls main; the program's main is noted as it is entered.
extern "C" int __libc_start_main(Main main, int argc, char** argv, void (*init)(), void (*fini)(),
                                 void (*rtldFini)(), void* stackEnd) {
  using Start = int (*)(Main, int, char**, void (*)(), void (*)(), void (*)(), void*);
  realMain = main;
  return real<Start>("__libc_start_main")(markedMain, argc, argv, init, fini, rtldFini, stackEnd);
}

// QApplication::QApplication(int&, char**, int)
extern "C" void markedQApplication(void* self, int* argc, char** argv,
                                   int flags) __asm__("_ZN12QApplicationC1ERiPPci");
extern "C" void markedQApplication(void* self, int* argc, char** argv, int flags) {
  passOn<kQApplication, void>("_ZN12QApplicationC1ERiPPci", self, argc, argv, flags);
}

// QWidget::show()
extern "C" void markedShow(void* self) __asm__("_ZN7QWidget4showEv");
extern "C" void markedShow(void* self) {
  passOn<kShow, void>("_ZN7QWidget4showEv", self);
}

// QApplication::exec()
extern "C" int markedExec() __asm__("_ZN12QApplication4execEv");
extern "C" int markedExec() {
  static const auto f = real<int (*)()>("_ZN12QApplication4execEv");
  reached(kExec);
  return f();
}

// QBackingStore::beginPaint(const QRegion&) and QBackingStore::endPaint()
extern "C" void markedBeginPaint(void* self, const void* region) __asm__(
    "_ZN13QBackingStore10beginPaintERK7QRegion");
extern "C" void markedBeginPaint(void* self, const void* region) {
  passOn<kBeginPaint, void>("_ZN13QBackingStore10beginPaintERK7QRegion", self, region);
}

extern "C" void markedEndPaint(void* self) __asm__("_ZN13QBackingStore8endPaintEv");
extern "C" void markedEndPaint(void* self) {
  passOn<kEndPaint, void>("_ZN13QBackingStore8endPaintEv", self);
}

// QBackingStore::flush(const QRegion&, QWindow*, const QPoint&)
extern "C" void markedFlush(
    void* self, const void* region, void* window,
    const void* offset) __asm__("_ZN13QBackingStore5flushERK7QRegionP7QWindowRK6QPoint");
extern "C" void markedFlush(void* self, const void* region, void* window, const void* offset) {
  passOn<kFlush, void>("_ZN13QBackingStore5flushERK7QRegionP7QWindowRK6QPoint", self, region,
                       window, offset);
}

// QFactoryLoader::update(): the scan of a plugin folder.
extern "C" void markedPluginScan(void* self) __asm__("_ZN14QFactoryLoader6updateEv");
extern "C" void markedPluginScan(void* self) {
  passOn<kPluginScan, void>("_ZN14QFactoryLoader6updateEv", self);
}

// QTranslator::load(const QString&, const QString&, const QString&, const QString&)
extern "C" bool markedTranslatorLoad(
    void* self, const void* name, const void* folder, const void* separators,
    const void* suffix) __asm__("_ZN11QTranslator4loadERK7QStringS2_S2_S2_");
extern "C" bool markedTranslatorLoad(void* self, const void* name, const void* folder,
                                     const void* separators, const void* suffix) {
  return passOn<kTranslations, bool>("_ZN11QTranslator4loadERK7QStringS2_S2_S2_", self, name,
                                     folder, separators, suffix);
}

extern "C" void* dlopen(const char* file, int mode) {
  return passOn<kDlopen, void*>("dlopen", file, mode);
}

extern "C" int FcInit() {
  return passOn<kFontconfigInit, int>("FcInit");
}

extern "C" void* FcFontMatch(void* config, void* pattern, void* result) {
  return passOn<kFontMatch, void*>("FcFontMatch", config, pattern, result);
}

extern "C" void* FcFontSort(void* config, void* pattern, int trim, void* charset, void* result) {
  return passOn<kFontSort, void*>("FcFontSort", config, pattern, trim, charset, result);
}

extern "C" int hb_shape_full(void* font, void* buffer, const void* features, unsigned count,
                             const char* const* shapers) {
  return passOn<kShaping, int>("hb_shape_full", font, buffer, features, count, shapers);
}

extern "C" void* xcb_wait_for_reply(void* connection, unsigned request, void** error) {
  return passOn<kXReply, void*>("xcb_wait_for_reply", connection, request, error);
}

extern "C" void* xcb_wait_for_reply64(void* connection, std::uint64_t request, void** error) {
  return passOn<kXReply, void*>("xcb_wait_for_reply64", connection, request, error);
}

// The backing store reaches the window through MIT-SHM or a plain image.
extern "C" std::uint32_t xcb_shm_put_image(void* c, std::uint32_t drawable, std::uint32_t gc,
                                           std::uint16_t totalWidth, std::uint16_t totalHeight,
                                           std::uint16_t srcX, std::uint16_t srcY,
                                           std::uint16_t srcWidth, std::uint16_t srcHeight,
                                           std::int16_t dstX, std::int16_t dstY, std::uint8_t depth,
                                           std::uint8_t format, std::uint8_t sendEvent,
                                           std::uint32_t shmseg, std::uint32_t offset) {
  using F = std::uint32_t (*)(void*, std::uint32_t, std::uint32_t, std::uint16_t, std::uint16_t,
                              std::uint16_t, std::uint16_t, std::uint16_t, std::uint16_t,
                              std::int16_t, std::int16_t, std::uint8_t, std::uint8_t, std::uint8_t,
                              std::uint32_t, std::uint32_t);
  static const auto f = real<F>("xcb_shm_put_image", "libxcb-shm.so.0");
  const Span span(kPutImage);
  return f(c, drawable, gc, totalWidth, totalHeight, srcX, srcY, srcWidth, srcHeight, dstX, dstY,
           depth, format, sendEvent, shmseg, offset);
}
