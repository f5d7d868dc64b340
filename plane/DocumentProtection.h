#pragma once
// A document's protection: the bits of the operations that ask for the password, a salted
// slow hash of the password (Argon2id; the password itself is never stored, so it cannot be
// read back from the file), the author block and whether the password was given while the
// window is open. The lock is a lock on what this program does, not encryption.
#include "plane/DocumentState.h"

#include <array>
#include <string>

namespace korvane {

inline constexpr int kMaxProtectionText = 100;
inline constexpr int kProtectionBits = 1 | 2 | 4 | 1024;

// The stored form of a password; empty when hashing failed (no memory).
std::string HashPassword(const std::string& password);
// Whether `typed` is the password of `stored`; a stored form of another program never is.
bool PasswordMatches(const std::string& stored, const std::string& typed);

struct DocumentProtection {
    int protection = 0;
    std::string passwordHash;
    std::array<std::string, 4> author; // author, date, e-mail, homepage (UTF-8)
    bool unlocked = false;

    bool Protected() const { return protection != 0; }
    // Into a document: word 42 and the password block (nothing when not protected).
    void Store(DocumentState& s) const;
    // From a document just read: 0, or 11 when its protection cannot be right (then the
    // document must not open at all, rather than open unprotected).
    static int Load(const DocumentState& s, DocumentProtection& out);
};

} // namespace korvane
