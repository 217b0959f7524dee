#pragma once
// Every path the program stores data under, built from the run directory (the executable's
// folder, no trailing backslash) by plain concatenation.
#include <string>

namespace tarnwick {

class DataPaths {
  public:
    explicit DataPaths(std::string runDirectory) : run_(std::move(runDirectory)) {}

    const std::string& runDirectory() const { return run_; }
    std::string dataDirectory() const { return run_ + "\\data"; }
    std::string imageDirectory() const { return run_ + "\\img"; }
    std::string catalogueFile() const { return run_ + "\\data\\任务列表.dat"; }
    std::string scriptFolder(const std::string& name) const { return run_ + "\\data\\" + name; }
    std::string stepsFile(const std::string& name) const {
        return scriptFolder(name) + "\\" + name + ".dat";
    }
    std::string settingsFile(const std::string& name) const {
        return scriptFolder(name) + "\\" + name + ".ini";
    }

  private:
    std::string run_;
};

} // namespace tarnwick
