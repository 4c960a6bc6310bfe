// Preloaded into the window program by measure_window.sh: prints on standard error the
// milliseconds since START_NS (nanoseconds of the real-time clock, as date +%s%N prints) at
// which SDL's video starts and ends, the audio device opens and the first picture reaches the
// window.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

static double Since(void) {
  struct timespec now;
  clock_gettime(CLOCK_REALTIME, &now);
  const char* start = getenv("START_NS");
  return (now.tv_sec * 1e9 + now.tv_nsec - (start ? atof(start) : 0)) / 1e6;
}

__attribute__((constructor)) static void Loaded(void) {
  fprintf(stderr, "%7.1f ms  program loaded\n", Since());
}

int SDL_InitSubSystem(unsigned flags) {
  static int (*real)(unsigned);
  if (!real) real = (int (*)(unsigned))dlsym(RTLD_NEXT, "SDL_InitSubSystem");
  fprintf(stderr, "%7.1f ms  SDL_InitSubSystem(%#x) starts\n", Since(), flags);
  int result = real(flags);
  fprintf(stderr, "%7.1f ms  SDL_InitSubSystem(%#x) done\n", Since(), flags);
  return result;
}

unsigned SDL_OpenAudioDevice(const char* d, int c, const void* want, void* have, int changes) {
  static unsigned (*real)(const char*, int, const void*, void*, int);
  if (!real)
    real = (unsigned (*)(const char*, int, const void*, void*, int))dlsym(RTLD_NEXT,
                                                                          "SDL_OpenAudioDevice");
  unsigned id = real(d, c, want, have, changes);
  fprintf(stderr, "%7.1f ms  audio device opened\n", Since());
  return id;
}

static void FirstPicture(void) {
  static int shown;
  if (!shown++) fprintf(stderr, "%7.1f ms  first picture in the window\n", Since());
}

int SDL_UpdateWindowSurfaceRects(void* window, const void* rects, int n) {
  static int (*real)(void*, const void*, int);
  if (!real)
    real = (int (*)(void*, const void*, int))dlsym(RTLD_NEXT, "SDL_UpdateWindowSurfaceRects");
  int result = real(window, rects, n);
  FirstPicture();
  return result;
}

int SDL_UpdateWindowSurface(void* window) {
  static int (*real)(void*);
  if (!real) real = (int (*)(void*))dlsym(RTLD_NEXT, "SDL_UpdateWindowSurface");
  int result = real(window);
  FirstPicture();
  return result;
}
