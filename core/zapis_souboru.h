#pragma once
// Writing files by the bytes of their names: whole, by replacing them, or a line appended to one
// that others append to as well.

#include <chrono>
#include <string>

namespace tvarolam {

// Writes to a new file beside the named one and renames it over that: a reader never sees half a
// file, and a link planted under the name is replaced, never followed. The new file keeps the
// permissions of the regular file it replaces; a new name or a link gets rw-r--r--. Anything
// else under the name (a device, a pipe, a folder) is left alone and the write fails. The name is
// bytes, so a file named in Windows-1250 (a folder unpacked from a Windows archive) is written
// where it is. False when anything failed; then nothing is left behind and errno
// says why.
bool zapisNahradou(const std::string& cesta, const std::string& obsah);

// Opens an existing file for appending, never creating it and never waiting on a pipe. A
// symbolic link under the name is followed only when it belongs to this user, and one level
// only. Returns the descriptor, or -1.
int otevriKPripojeni(const char* cesta);

enum class ZamekZaznamu { Drzen, Obsazen, Nepodporovan };
// A record lock for writing over the whole file, tried until the deadline; Nepodporovan where
// the file system has no record locks. Closing the file lets it go.
ZamekZaznamu zamkniZaznam(int soubor, std::chrono::steady_clock::time_point nejpozdeji);

// For a writer that holds the file alone: the text goes at the end the file has now, asked for
// afresh rather than where this machine last saw it, and a write cut short (a full disk) is taken
// back unless the file has grown beyond the part written here. False unless a regular file got
// all of it.
bool zapisNaKonec(int soubor, const std::string& text);
// For a writer that may not be alone: one append, never taken back, since the size seen may
// already be another writer's. False unless a regular file got all of it.
bool pripojNaKonec(int soubor, const std::string& text);

int zavriSoubor(int soubor);

// Makes a new empty file under the name; false (errno EEXIST) when anything is there already,
// a link included, which is never followed.
bool zalozPrazdny(const std::string& cesta);

} // namespace tvarolam
