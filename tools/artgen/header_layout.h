// Where the dates header's lettering goes: the outlines of its numbers (drawn
// in the marker colour) and of its words (drawn in white), laid out for one
// day in one language.
#pragma once

#include "languages.h"

#include <cairo.h>

namespace artgen {

struct HeaderPaths {
    cairo_path_t* dateNumbers = nullptr;
    cairo_path_t* dateWords = nullptr;
    cairo_path_t* countNumbers = nullptr;
    cairo_path_t* countWords = nullptr;

    HeaderPaths() = default;
    HeaderPaths(const HeaderPaths&) = delete;
    HeaderPaths& operator=(const HeaderPaths&) = delete;
    ~HeaderPaths();
};

// Lays out the header of December `day`. The reference language keeps the
// layout its art was drawn with, where the words follow the width of the
// day's number; every other language keeps its words in place from day to
// day and sets the numbers in fixed columns, so that its animation's frames
// differ only where the numbers do. Throws when the language's typeface
// lacks a letter it needs.
void LayOutHeader(const Language& language, int day, HeaderPaths& paths);

}  // namespace artgen
