// SPDX-License-Identifier: GPL-3.0-or-later

// zelkor-calc's argument handling. The input is split at NUL bytes into arguments, the way
// the operating system hands them over. Whatever they are, run() must not throw, must answer
// with status 0 (output, no error) or 2 (one error line, no output), and must never write a
// raw control character that a terminal would act on.

#include "cli/CommandLine.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

bool hasControlCharacter(const std::string &text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte < 0x20 && byte != '\n' && byte != '\t') || byte == 0x7f)
            return true;
        // U+0080 to U+009F in UTF-8: the C1 controls, which some terminals obey too.
        if (byte == 0xc2 && i + 1 < text.size() &&
            static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
            static_cast<unsigned char>(text[i + 1]) <= 0x9f)
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            args.emplace_back();
        else
            args.back().push_back(char(data[i]));
    }

    const zelkor::cli::Result result = zelkor::cli::run(args);
    if (result.status == 0) {
        if (!result.err.empty() || result.out.empty() || result.out.back() != '\n')
            std::abort();
    } else if (result.status == 2) {
        if (!result.out.empty() || result.err.empty() || result.err.back() != '\n' ||
            result.err.find('\n') != result.err.size() - 1)
            std::abort();
    } else {
        std::abort();
    }
    if (hasControlCharacter(result.out) || hasControlCharacter(result.err))
        std::abort();
    return 0;
}
