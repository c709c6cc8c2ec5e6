#pragma once
// Every test program runs with a home of its own: a fresh folder for HOME and
// the XDG folders, removed when the program ends, so that no test reads or
// writes the user's settings, recent files or scales, and programs run in
// parallel do not see each other's.
#include <string>

namespace haberes::test {

class PrivateHome {
public:
    PrivateHome();
    ~PrivateHome();
    PrivateHome(const PrivateHome&) = delete;
    PrivateHome& operator=(const PrivateHome&) = delete;

    // Empty when no folder could be made (the environment is then left alone).
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

} // namespace haberes::test
