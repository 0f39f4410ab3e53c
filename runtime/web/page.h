// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>

// The page's side of the front end, in page.js, linked as a JavaScript
// library. Text crosses as UTF-16, code unit for code unit, as a pointer and
// a length; the page shows it through textContent and attributes alone.
// Windows and dialogs are known by the numbers the program gives them.
extern "C" {
void zapgrid_window_open(int window, const char16_t *caption, std::size_t length, int width,
                         int height);
void zapgrid_window_menu(int window, int item, const char16_t *caption, std::size_t length);
void zapgrid_window_control(int window, int control, int kind, const char16_t *caption,
                            std::size_t length, int left, int top, int width, int height,
                            double pointSize, bool bold, bool visible, bool centred, int tabIndex);
void zapgrid_window_caption(int window, int control, const char16_t *text, std::size_t length);
void zapgrid_window_visible(int window, int control, bool visible);
void zapgrid_window_describe(int window, int control, const char16_t *text, std::size_t length);
void zapgrid_window_show(int window);
void zapgrid_window_close(int window);
void zapgrid_announce(const char16_t *news, std::size_t length);

void zapgrid_prompt(int dialog, const char16_t *question, std::size_t questionLength,
                    const char16_t *title, std::size_t titleLength, const char16_t *defaultText,
                    std::size_t defaultLength);
void zapgrid_message(int dialog, int kind, const char16_t *text, std::size_t textLength,
                     const char16_t *title, std::size_t titleLength);
void zapgrid_dialog_close(int dialog);

double zapgrid_now();
void zapgrid_set_timer(double delay);
void zapgrid_cancel_timer();
void zapgrid_end();
}
