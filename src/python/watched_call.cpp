#include "watched_call.h"

#include <cctype>
#include <chrono>
#include <condition_variable>
#include <cxxabi.h>
#include <exception>
#include <mutex>
#include <set>
#include <thread>

namespace py = pybind11;

namespace rcapy {

struct WatchState {
    std::atomic<bool> stop{false};
    std::mutex mutex;
    std::condition_variable finished;
    bool started = false, done = false;
    std::exception_ptr failure;
};

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::chrono::milliseconds pollEvery{100};
// How long a stopped worker may take to reach its next stopping point.
constexpr std::chrono::milliseconds stopGrace{1000};
constexpr std::chrono::milliseconds exitGrace{2000};

// The workers still running. Never destroyed: a worker may outlive the
// program's statics by a moment at exit.
struct Live {
    std::mutex mutex;
    std::condition_variable emptied;
    std::set<WatchState*> states;
};
Live& live() {
    static Live* l = new Live;
    return *l;
}

// At interpreter exit, after the last Python code: stop every worker and give
// them a moment, so none still runs while the program's statics go.
void stopAllAtExit() {
    Live& l = live();
    std::unique_lock lock(l.mutex);
    for (WatchState* s : l.states)
        s->stop = true;
    l.emptied.wait_for(lock, exitGrace, [&] { return l.states.empty(); });
}

// Python's own handler has only set a flag; this runs it, so a
// KeyboardInterrupt (or whatever the program installed) is raised here.
std::optional<py::error_already_set> pendingSignal() {
    if (PyErr_CheckSignals() == 0) return std::nullopt;
    return py::error_already_set();
}

// Not a destructor on purpose: during interpreter exit, taking the GIL back
// ends this thread by unwinding, which must be caught (see run).
bool waitWithoutGil(WatchState& s, std::chrono::milliseconds d) {
    PyThreadState* saved = PyEval_SaveThread();
    bool over = false;
    {
        std::unique_lock lock(s.mutex);
        over = s.finished.wait_for(lock, d, [&] { return s.done; });
    }
    PyEval_RestoreThread(saved);
    return over;
}

void noteAbandoned(py::error_already_set& raised) {
    py::object e = raised.value();
    py::setattr(e, "abandoned", py::bool_(true));
    const char* note = "the call did not stop within a second; it was left running "
                       "in the background and its results are lost";
    if (py::hasattr(e, "add_note")) e.attr("add_note")(note);
}

} // namespace

WatchedCall::WatchedCall() : state_(std::make_shared<WatchState>()) {
    static std::once_flag registered;
    std::call_once(registered, [] { Py_AtExit(stopAllAtExit); });
}

const std::atomic<bool>* WatchedCall::stopFlag() const {
    return &state_->stop;
}

bool WatchedCall::finished() const {
    std::lock_guard lock(state_->mutex);
    return !state_->started || state_->done;
}

WatchOutcome WatchedCall::run(std::function<void()> work, const std::function<void()>& poll) {
    const std::shared_ptr<WatchState> s = state_;
    if (s->started) throw std::logic_error("a watched call runs once");
    s->started = true;
    {
        std::lock_guard lock(live().mutex);
        live().states.insert(s.get());
    }
    std::thread([s, work = std::move(work)]() mutable {
        try {
            work();
        } catch (...) {
            s->failure = std::current_exception();
        }
        // What the work owned goes here, not in a caller that may be gone.
        work = nullptr;
        {
            std::lock_guard lock(s->mutex);
            s->done = true;
        }
        s->finished.notify_all();
        std::lock_guard lock(live().mutex);
        live().states.erase(s.get());
        live().emptied.notify_all();
    }).detach();

    WatchOutcome out;
    std::exception_ptr pollFailure;
    std::optional<Clock::time_point> deadline;
    try {
        for (bool over = false; !over;) {
            over = waitWithoutGil(*s, pollEvery);
            if (deadline) {
                if (!over && Clock::now() >= *deadline) {
                    out.abandoned = true;
                    break;
                }
                continue;
            }
            out.raised = pendingSignal();
            if (!out.raised && poll) try {
                    poll();
                } catch (py::error_already_set& e) {
                    out.raised = std::move(e);
                } catch (...) {
                    pollFailure = std::current_exception();
                }
            if (out.raised || pollFailure) {
                s->stop = true;
                deadline = Clock::now() + stopGrace;
            }
        }
    } catch (abi::__forced_unwind&) {
        // The interpreter is exiting and ends this thread as it asks for the
        // GIL back. Unwinding on would free Python objects without the GIL,
        // so the thread sleeps here until the process ends.
        s->stop = true;
        for (;;)
            std::this_thread::sleep_for(std::chrono::hours(1));
    }
    if (out.abandoned) {
        if (pollFailure) std::rethrow_exception(pollFailure);
        noteAbandoned(*out.raised);
        return out;
    }
    if (s->failure) std::rethrow_exception(s->failure);
    if (pollFailure) std::rethrow_exception(pollFailure);
    return out;
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
