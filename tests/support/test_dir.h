// Runs a test inside a fresh temporary folder, so files the engine writes (the log,
// screenshots) land there and vanish afterwards.
#pragma once

#include <string>

class TempDir {
  public:
    TempDir();
    ~TempDir();
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    // Whole content of a file in the folder, empty when missing.
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;

  private:
    std::string path_;
    std::string previous_;
};
