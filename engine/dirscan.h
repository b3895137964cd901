// The folder scan behind the music playlist: one scan at a time, entered and left again.
#pragma once

// Enters a folder (relative to the current directory) to list the names matching a pattern;
// false when the folder cannot be entered.
bool OpenDir(const char* folder, const char* pattern);
// The next matching file name (without folder), or null when there are no more.
const char* NextDirEntry();
// Ends the scan and returns to the folder OpenDir started from.
void CloseDir();
