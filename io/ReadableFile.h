#pragma once

#include <cstdio>

// Opens a file for reading in binary mode. Returns null when it cannot be opened, and also when
// the path names a folder, which some systems open like a file that then fails every read.
std::FILE* OpenReadableFile(const char* path);
