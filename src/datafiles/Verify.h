#pragma once
// Verification marks of the exploration data files (descriptors, SOLARSYS.TXT, the language's
// planet message file). Each file carries one line that begins ";Mark=" (exact case, first
// column); the rest of that line, trimmed, must equal the mark derived from the file's
// checksum. A file without a valid mark is still used, but it costs the game its high-score
// eligibility.
//
// The checksum
// - Lines are split at CR LF, CR or LF; line ends themselves are never counted, so the mark does
//   not depend on the line-end style.
// - A line that contains ";" counts for nothing (comments and the mark line itself).
// - Other lines run through a small state machine: everything up to and including the first
//   "=" counts; after it, leading "%"-codes of three characters count, then the free text does
//   not, and everything from the first "^" or "*" on counts again (also when that "^" or "*"
//   follows the leading codes at once, with no free text between). A value of at most three
//   characters counts whole; a line without "=" counts whole.
// - Then every character of the file's name (after the last "/" or "\") is folded in, so a
//   renamed file loses its mark.
// - Folding a character of code a: sum = (sum + a) mod 2^30; sum = (sum x a) mod 2^30 unless
//   the product overflows a signed 32-bit value, in which case the sum is left as it is. From
//   the fold in which the first such overflow happens to the end of the file, every fold ends
//   with sum = sum mod (2^30 \ a) and sum = (sum x a) mod 2^30 (for a = 0 the first of these
//   is skipped).
// - The mark is "KV" followed by the checksum as eight upper-case hexadecimal digits.
//
// Both caches (where the last mark line stood; the verdict per path) live for the whole run.
// A verdict stays good only while the file's length and modification time are unchanged.
#include <cstdint>
#include <string>

namespace kv {

// True when the file carries a valid mark (answered from the verdict cache while the file is
// unchanged).
bool VerifyDataFile(const std::string& path);
// The mark text of the first ";Mark=" line, trimmed; "" when there is none or no file.
std::string ReadMark(const std::string& path);
// The checksum of the file (0 when it cannot be opened; the name is then not folded either).
int32_t DataFileChecksum(const std::string& path);
// The checksum of file contents given as bytes, with fileName folded in at the end.
int32_t ChecksumOfBytes(const std::string& bytes, const std::string& fileName);
// The mark that belongs to a checksum.
std::string MarkForChecksum(int32_t checksum);
// 1 good, 0 bad, -1 not judged (or the file changed since it was judged).
int CachedVerdict(const std::string& path);
// Records a verdict with the file's present length and modification time.
void StoreVerdict(const std::string& path, bool good);

// Writes the right mark into the file: replaces the text of its first ";Mark=" line, or
// appends a mark line (with the file's own line-end style) when it has none. The rest of the
// file is kept byte for byte. False with a reason in error when the file cannot be read or
// written.
bool StampDataFile(const std::string& path, std::string* error = nullptr);

// Empties both caches (tests).
void ClearVerifyCaches();
// How many times a file was opened to judge it (tests see cache hits through it).
size_t VerifyFileReads();

}  // namespace kv
