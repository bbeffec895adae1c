// SettingsRewriter: plain POSIX calls, no buffering, so each step reaches the file at once.
#include "tests/soak/SettingsRewriter.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace vorlin_soak {
namespace {

void WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written <= 0) return;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}

}  // namespace

SettingsRewriter::SettingsRewriter(std::string path, std::vector<std::string> contents)
    : path_(std::move(path)), contents_(std::move(contents)), thread_(&SettingsRewriter::Run, this) {}

SettingsRewriter::~SettingsRewriter() { Stop(); }

long SettingsRewriter::Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    return rewrites_;
}

void SettingsRewriter::Run() {
    for (std::size_t next = 0; !stop_; ++rewrites_, next = (next + 1) % contents_.size()) {
        if (rewrites_ % 2 == 0) {
            Replace(contents_[next]);
        } else {
            RewriteInPlace(contents_[next]);
        }
    }
}

void SettingsRewriter::Replace(const std::string& text) const {
    const std::string fresh = path_ + ".new";
    const int fd = open(fresh.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return;
    WriteAll(fd, text.data(), text.size());
    close(fd);
    std::rename(fresh.c_str(), path_.c_str());
}

// Truncates first, then writes the text in two halves: between the steps a reader sees an
// empty file, then half of the new one.
void SettingsRewriter::RewriteInPlace(const std::string& text) const {
    const int fd = open(path_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) return;
    const std::size_t half = text.size() / 2;
    WriteAll(fd, text.data(), half);
    WriteAll(fd, text.data() + half, text.size() - half);
    close(fd);
}

}  // namespace vorlin_soak
