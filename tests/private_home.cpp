#include "tests/private_home.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace haberes::test {

PrivateHome::PrivateHome()
{
    std::error_code ec;
    std::string pattern = (std::filesystem::temp_directory_path(ec) / "haberes-test-home-XXXXXX").string();
    if (ec || !mkdtemp(pattern.data()))
        return;
    path_ = pattern;
    const auto set = [this](const char* name, const char* sub) {
        const std::filesystem::path dir = std::filesystem::path(path_) / sub;
        std::error_code ignored;
        std::filesystem::create_directories(dir, ignored);
        setenv(name, dir.c_str(), 1);
    };
    set("HOME", "");
    set("XDG_CONFIG_HOME", ".config");
    set("XDG_DATA_HOME", ".local/share");
    set("XDG_CACHE_HOME", ".cache");
    set("XDG_STATE_HOME", ".local/state");
    // The system's folders too: a scale installed on the machine must not
    // change what a test sees.
    set("XDG_DATA_DIRS", "share");
    set("XDG_CONFIG_DIRS", "etc");
}

PrivateHome::~PrivateHome()
{
    if (path_.empty())
        return;
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace haberes::test
