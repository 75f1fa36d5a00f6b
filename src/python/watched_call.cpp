#include "watched_call.h"

#include <cctype>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

namespace py = pybind11;

namespace rcapy {

namespace {

constexpr std::chrono::milliseconds pollEvery{100};

// Python's own handler has only set a flag; this runs it, so a
// KeyboardInterrupt (or whatever the program installed) is raised here.
std::optional<py::error_already_set> pendingSignal() {
    if (PyErr_CheckSignals() == 0) return std::nullopt;
    return py::error_already_set();
}

} // namespace

std::optional<py::error_already_set> runWatched(const std::function<void()>& work,
                                                std::atomic<bool>& stop,
                                                const std::function<void()>& poll) {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    std::exception_ptr failure;
    std::thread worker([&] {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
        std::lock_guard lock(mutex);
        done = true;
        finished.notify_all();
    });

    std::optional<py::error_already_set> raised;
    std::exception_ptr pollFailure;
    for (bool over = false; !over;) {
        {
            py::gil_scoped_release nogil;
            std::unique_lock lock(mutex);
            over = finished.wait_for(lock, pollEvery, [&] { return done; });
        }
        if (raised || pollFailure) continue;
        raised = pendingSignal();
        if (!raised && poll) try {
                poll();
            } catch (py::error_already_set& e) {
                raised = std::move(e);
            } catch (...) {
                pollFailure = std::current_exception();
                stop = true;
            }
        if (raised) stop = true;
    }
    worker.join();
    if (failure) std::rethrow_exception(failure);
    if (pollFailure) std::rethrow_exception(pollFailure);
    return raised;
}

std::string pythonWording(const std::string& message) {
    std::string out;
    for (size_t i = 0; i < message.size(); ++i) {
        const bool option = message.compare(i, 2, "--") == 0 && i + 2 < message.size() &&
                            std::islower(static_cast<unsigned char>(message[i + 2]));
        if (!option) {
            out += message[i];
            continue;
        }
        for (i += 2; i < message.size() &&
                     (std::islower(static_cast<unsigned char>(message[i])) || message[i] == '-');
             ++i)
            out += message[i] == '-' ? '_' : message[i];
        --i;
    }
    return out;
}

} // namespace rcapy
