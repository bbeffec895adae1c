// SettingsRewriter: a thread that rewrites a settings file over and over until stopped,
// as an editor, a script and a careless user might all at once. Rewrites alternate between
// an atomic replace (a new file renamed over the old one) and an in-place truncate and
// rewrite in two writes, so that a reader may meet an empty or half-written file.
#pragma once

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace vorlin_soak {

class SettingsRewriter {
public:
    // Starts rewriting path with the contents, one after another, round and round.
    SettingsRewriter(std::string path, std::vector<std::string> contents);
    ~SettingsRewriter();
    SettingsRewriter(const SettingsRewriter&) = delete;
    SettingsRewriter& operator=(const SettingsRewriter&) = delete;

    // Stops the thread and returns how many rewrites it made; the file is left as the
    // last rewrite made it.
    long Stop();

private:
    void Run();
    void Replace(const std::string& text) const;
    void RewriteInPlace(const std::string& text) const;

    std::string path_;
    std::vector<std::string> contents_;
    std::atomic<bool> stop_{false};
    long rewrites_ = 0;
    std::thread thread_;
};

}  // namespace vorlin_soak
