// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CommandLine.h"
#include "core/text/Texts.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Translations need an application object; no display is involved.
    QCoreApplication app(argc, argv);
    zelkor::installTranslations(app);

    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    const zelkor::cli::Result result = zelkor::cli::run(args);
    std::fwrite(result.out.data(), 1, result.out.size(), stdout);
    std::fwrite(result.err.data(), 1, result.err.size(), stderr);
    return result.status;
}
