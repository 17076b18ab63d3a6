#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace yardmark::test {

// Windows has no pdftotext to read a printout back: there the tests count the
// pages in the file itself, and scripts/cli-same-bytes compares the words of
// the Windows printouts with the Linux ones.
#ifdef _WIN32
inline constexpr bool kReadsPdfText = false;
#else
inline constexpr bool kReadsPdfText = true;
#endif

/// The pages of a PDF file as Qt writes it, counted by their page objects.
inline int pdfPageCount(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::string page = "/Type /Page";
    int pages = 0;
    for (std::size_t at = bytes.find(page); at != std::string::npos; at = bytes.find(page, at + page.size()))
        pages += at + page.size() >= bytes.size() || bytes[at + page.size()] != 's';
    return pages;
}

} // namespace yardmark::test
