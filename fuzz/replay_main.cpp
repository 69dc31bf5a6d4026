// SPDX-License-Identifier: GPL-3.0-or-later
// Replays a fuzz target on the plain build: LLVMFuzzerTestOneInput is called
// once with each file of the folders given, so that the seeds and every crash
// ever kept run under ctest with the compiler of the rest of the suite.
//   fuzz_replay_<target> CORPUS [CRASHES...]
// The corpus folder must exist and hold at least one file; a crashes folder
// may be missing (no crash kept yet). A broken promise aborts (fuzz_check.h):
// the file being replayed is named just before, on standard error.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

// The regular files of a folder, in name order so that a run is repeatable.
std::vector<fs::path> filesOf(const fs::path& folder, std::error_code& error) {
    std::vector<fs::path> files;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (it->is_regular_file()) files.push_back(it->path());
    std::sort(files.begin(), files.end());
    return files;
}

bool replay(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "replay: cannot read %s\n", file.c_str());
        return false;
    }
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
    std::fprintf(stderr, "replay: %s (%zu bytes)\n", file.c_str(), bytes.size());
    std::fflush(stderr);
    // libFuzzer never passes a null pointer, even for an empty input.
    static const std::uint8_t empty = 0;
    const auto* data = bytes.empty() ? &empty : reinterpret_cast<const std::uint8_t*>(bytes.data());
    LLVMFuzzerTestOneInput(data, bytes.size());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s CORPUS [CRASHES...]\n", argv[0]);
        return 2;
    }
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const fs::path folder = argv[i];
        const bool corpus = i == 1;
        std::error_code error;
        if (!corpus && !fs::exists(folder, error)) continue; // no crash kept for this target
        const std::vector<fs::path> files = filesOf(folder, error);
        if (error) {
            std::fprintf(stderr, "replay: cannot list %s: %s\n", folder.c_str(),
                         error.message().c_str());
            return 1;
        }
        if (corpus && files.empty()) {
            std::fprintf(stderr, "replay: the corpus %s holds no seed\n", folder.c_str());
            return 1;
        }
        for (const fs::path& file : files) {
            if (!replay(file)) return 1;
            ++replayed;
        }
    }
    std::printf("%zu inputs replayed\n", replayed);
    return 0;
}
