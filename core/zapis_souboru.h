#pragma once
// Writing a file whole, by the bytes of its name.

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

} // namespace tvarolam
