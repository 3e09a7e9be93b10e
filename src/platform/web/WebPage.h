#pragma once
// The page's side of the web backend: the functions of library.js that the
// C++ side calls. Strings handed back by the page were allocated with malloc
// and are freed by the caller.
#include <cstdint>

extern "C" {
// The canvas: sized to width x height pixels, shown at a whole-number scale
// (forcedScale, or the largest that fits the page when 0).
int bt_canvas_open(int width, int height, int forcedScale);
// Shows width x height RGBA pixels.
void bt_canvas_show(const uint8_t* rgba);
void bt_canvas_toggle_fullscreen(void);
void bt_canvas_close(void);

// Listens to keys, the pen (mouse and touch) and the page's visibility.
void bt_input_install(void);

// Web Audio: a buffer of 8-bit mono samples queued after the last one; the
// audio clock's time in ms when it will have played, or -1 while the page has
// no running audio (before the player's first key or touch).
double bt_audio_queue(const uint8_t* samples, int length, int samplesPerSecond);
// The audio clock in ms, -1 without running audio.
double bt_audio_now(void);
// Stops everything queued.
void bt_audio_stop(void);

// localStorage; read returns nullptr for a missing value.
char* bt_registry_read(const char* key, const char* name);
int bt_registry_write(const char* key, const char* name, const char* text);
int bt_registry_remove(const char* key, const char* name);

// Copies the data folder to IndexedDB (several calls while one copy runs
// make one more copy after it).
void bt_files_persist(void);

// fetch: a POST, or a GET without the body, whose end is reported to
// bt_web_fetch_done with the same id.
void bt_fetch_start(int id, const char* method, const char* url, const char* body, int maxBody,
                    int timeoutMs);
void bt_fetch_cancel(int id);

// The page's address: the query text after '?' and the origin's host and
// port (the scheme's own, 80 or 443, when the address names none).
char* bt_page_query(void);
char* bt_page_host(void);
int bt_page_port(void);
// Tells the page what drives the loop now: 0 the animation frames, 1 a
// 16 ms timer (calm), 2 asleep while still.
void bt_page_paced(int pace);
// The line under the canvas, and the page's title.
void bt_page_play_line(const char* text);
// The checkbox for the moves in the picture.
void bt_page_moves_choice(int shown);
// A solved puzzle's result beside the canvas: a button that copies it (""
// takes it away).
void bt_page_share(const char* text);
// Puts text on the clipboard (the answer comes later); 0 without a clipboard.
int bt_page_copy(const char* text);
// Replaces the canvas with a line of text: the program has ended, or could
// not start.
void bt_page_show_text(const char* text);
// The key legend beside the canvas: one "keys<TAB>what" line per row.
void bt_page_legend(const char* text);
// Shows a line of text beside the canvas, which stays: a file of the
// player's could not be kept.
void bt_page_show_notice(const char* text);

// Called by the page.
// 1 when the key means something here (the page then does not act on it).
int bt_web_key(int down, const char* code, int shift, int ctrl, int alt);
void bt_web_pen(int kind, int x, int y);
void bt_web_visible(int visible);
void bt_web_fetch_done(int id, int status, const uint8_t* body, int length);
}
