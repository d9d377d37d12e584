/* umrak_fake_input CODE:STATE...
 *
 * Presses (STATE 1) and releases (STATE 0) keys, given by their Linux input
 * codes, through KWin's fake input protocol, as a keyboard would: KWin's own
 * shortcuts (Alt+Tab) see them as well as the window with the focus. KWin
 * takes no keys from wtype's virtual keyboard. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <wayland-client.h>

#include "fake-input-client-protocol.h"

static struct org_kde_kwin_fake_input* fake_input;

static void announced(void* data, struct wl_registry* registry, uint32_t name,
                      const char* interface, uint32_t version) {
  (void)data;
  if (strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 && version >= 4) {
    fake_input = wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 4);
  }
}

static void withdrawn(void* data, struct wl_registry* registry, uint32_t name) {
  (void)data;
  (void)registry;
  (void)name;
}

static const struct wl_registry_listener listener = {announced, withdrawn};

/* A key held for a moment, as a hand holds it, so that no client sees a
 * press and its release merged. */
static void pause_a_moment(void) {
  const struct timespec moment = {0, 30 * 1000 * 1000};
  nanosleep(&moment, NULL);
}

int main(int argc, char* argv[]) {
  struct wl_display* display = wl_display_connect(NULL);
  if (!display) {
    fprintf(stderr, "umrak_fake_input: no Wayland display\n");
    return 1;
  }
  struct wl_registry* registry = wl_display_get_registry(display);
  wl_registry_add_listener(registry, &listener, NULL);
  wl_display_roundtrip(display);
  if (!fake_input) {
    fprintf(stderr, "umrak_fake_input: the compositor offers no fake input of version 4\n");
    return 1;
  }
  org_kde_kwin_fake_input_authenticate(fake_input, "umrak tests", "keys of the desktop tests");
  for (int i = 1; i < argc; ++i) {
    unsigned code = 0;
    unsigned state = 0;
    if (sscanf(argv[i], "%u:%u", &code, &state) != 2 || state > 1) {
      fprintf(stderr, "umrak_fake_input: not CODE:STATE: %s\n", argv[i]);
      return 2;
    }
    org_kde_kwin_fake_input_keyboard_key(fake_input, code, state);
    wl_display_roundtrip(display);
    pause_a_moment();
  }
  org_kde_kwin_fake_input_destroy(fake_input);
  wl_registry_destroy(registry);
  wl_display_disconnect(display);
  return 0;
}
