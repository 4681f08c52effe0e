// The publisher's key of cdrun: built in at configuration time (CDRUN_PUBLIC_KEY) or given on
// the command line as /PUBKEY=FILE or --pubkey=FILE, which takes precedence.
#pragma once

#include <string>

namespace cd {

// The PEM text of the key: the file's when keyFile is given, otherwise the built-in key's
// (empty when cdrun was built without one). A file that cannot be read or holds no P-256
// public key fails naming it.
std::string PublisherKey(const std::string& keyFile);

// What --version shows: the program and the fingerprint of the built-in key, if any.
std::string VersionText();

}  // namespace cd
