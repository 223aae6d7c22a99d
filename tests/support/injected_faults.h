#pragma once

#include <map>
#include <random>
#include <string>
#include <vector>

#include "platform/fault_injection.h"

namespace vartel {

// One way of making file calls fail. Every condition given must hold.
struct Fault {
    Fault(FileCall call, int error, int nth = 0, std::string pathEnd = {},
          std::string otherEnd = {})
        : call(call),
          error(error),
          nth(nth),
          pathEnd(std::move(pathEnd)),
          otherEnd(std::move(otherEnd)) {}

    FileCall call;
    int error;
    int nth;               // only the nth call of this kind in the scope, counted from 1
    std::string pathEnd;   // only when the path (rename source, listed folder) ends so
    std::string otherEnd;  // only when the rename target or entry name ends so
};

inline bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Installs itself for its lifetime; fails the calls that match one of its faults.
class InjectedFaults : public FaultInjector {
  public:
    explicit InjectedFaults(std::vector<Fault> faults = {}) : faults_(std::move(faults)) {
        before_ = installFaultInjector(this);
    }
    ~InjectedFaults() override { installFaultInjector(before_); }
    InjectedFaults(const InjectedFaults&) = delete;
    InjectedFaults& operator=(const InjectedFaults&) = delete;

    int failure(FileCall call, const std::string& path, const std::string& other) override {
        const int n = ++calls_[call];
        for (const auto& fault : faults_) {
            if (fault.call != call || (fault.nth != 0 && fault.nth != n)) continue;
            if (!endsWith(path, fault.pathEnd) || !endsWith(other, fault.otherEnd)) continue;
            ++failures_;
            return fault.error;
        }
        return 0;
    }
    int calls(FileCall call) const {
        const auto found = calls_.find(call);
        return found == calls_.end() ? 0 : found->second;
    }
    int failures() const { return failures_; }

  private:
    std::vector<Fault> faults_;
    std::map<FileCall, int> calls_;
    int failures_ = 0;
    FaultInjector* before_ = nullptr;
};

// Fails renames at random with one of the errors a real file system gives.
class RandomRenameFaults : public FaultInjector {
  public:
    RandomRenameFaults(unsigned seed, double chance) : random_(seed), chance_(chance) {
        before_ = installFaultInjector(this);
    }
    ~RandomRenameFaults() override { installFaultInjector(before_); }
    RandomRenameFaults(const RandomRenameFaults&) = delete;
    RandomRenameFaults& operator=(const RandomRenameFaults&) = delete;

    int failure(FileCall call, const std::string&, const std::string&) override {
        static const int kErrors[] = {EACCES, ENOENT, EXDEV, EIO, ENAMETOOLONG, EEXIST};
        if (call != FileCall::Rename || !std::bernoulli_distribution(chance_)(random_)) return 0;
        return kErrors[std::uniform_int_distribution<int>(0, 5)(random_)];
    }

  private:
    std::mt19937 random_;
    double chance_;
    FaultInjector* before_ = nullptr;
};

}  // namespace vartel
