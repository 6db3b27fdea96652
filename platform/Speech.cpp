// The speech service's client library, libspeechd, is opened with dlopen rather than linked, so the
// game starts where it is not installed. One worker thread holds the connection (libspeechd's
// single mode waits for each reply on the socket); the game's thread only leaves a request behind.
//
// The library has no time limits of its own, and a wedged service accepts a connection and then
// never answers. So every call into the library runs under a deadline: past it a timer interrupts
// the worker with a signal whose handler does nothing (installed without SA_RESTART), the connect
// or read the library waits in fails with EINTR, and the library gives the connection up. Stopping
// interrupts the same way at once, and waits for the worker only a bounded time.
#include "platform/Speech.h"

#include <dlfcn.h>
#include <libspeechd.h>
#include <pthread.h>
#include <signal.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

namespace platform {
namespace {

constexpr char kLibrary[] = "libspeechd.so.2";
// Said for a service that cannot be reached and for one that stops answering alike: for the player
// both mean the same, and the library's own texts name its internals.
constexpr char kNoAnswer[] = "the speech service does not answer";

// Starting the service itself (on the library's autospawn) takes the longest.
constexpr std::chrono::milliseconds kConnectLimit{5000};
constexpr std::chrono::milliseconds kRequestLimit{3000};
// How often an interrupted worker is interrupted again, in case one signal came just before the
// library started to wait.
constexpr long kInterruptRepeatNs = 5'000'000;
// How long StopSpeech waits for the interrupted worker before leaving it behind.
constexpr std::chrono::milliseconds kStopLimit{400};
constexpr char kThreadName[] = "lexadrill-speak";

// The entry points the game uses.
struct SpeechLibrary {
    decltype(&spd_open2) open = nullptr;
    decltype(&spd_close) close = nullptr;
    decltype(&spd_say) say = nullptr;
    decltype(&spd_cancel) cancel = nullptr;
    decltype(&spd_set_language) setLanguage = nullptr;
};

struct Worker;

// The speech client, the program's one instance of the speech service (owner: this file).
struct SpeechClient {
    // Opened once per process and never closed: the library keeps glib loaded, which cannot be
    // unloaded. `library` points at `entries` once every entry point was found.
    std::once_flag libraryOpened;
    std::once_flag interruptHandlerInstalled;
    SpeechLibrary entries;
    const SpeechLibrary* library = nullptr;
    // Made on the first word and ended by StopSpeech. One StopSpeech could not end is left behind,
    // never destroyed: its thread may still be inside the library.
    Worker* worker = nullptr;
    std::atomic<bool> enabled{true};
    // Why speech is off is told once per process, whichever way it failed.
    std::atomic<bool> toldOff{false};
} client;

void TellSpeechIsOff(const std::string& why) {
    if (!client.toldOff.exchange(true)) std::fprintf(stderr, "lexadrill: speech is off: %s\n", why.c_str());
}

template <class Function>
void Find(void* handle, const char* name, Function& entry) {
    entry = reinterpret_cast<Function>(dlsym(handle, name));
}

const SpeechLibrary* Library() {
    std::call_once(client.libraryOpened, [] {
        void* handle = dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            TellSpeechIsOff(std::string(kLibrary) + " is not installed (package speech-dispatcher)");
            return;
        }
        SpeechLibrary& found = client.entries;
        Find(handle, "spd_open2", found.open);
        Find(handle, "spd_close", found.close);
        Find(handle, "spd_say", found.say);
        Find(handle, "spd_cancel", found.cancel);
        Find(handle, "spd_set_language", found.setLanguage);
        if (!found.open || !found.close || !found.say || !found.cancel || !found.setLanguage) {
            TellSpeechIsOff(std::string(kLibrary) + " lacks an entry point the game needs");
            return;
        }
        client.library = &found;
    });
    return client.library;
}

struct Request {
    std::string text;
    std::string language;
};

// Shared by the game's thread and the worker; every field under `mutex`.
struct Worker {
    std::mutex mutex;
    std::condition_variable wake;
    std::optional<Request> pending;  // a newer request replaces one not yet handed over
    bool cancel = false;
    bool stop = false;
    bool finished = false;  // the worker has left the library for good
    // A descriptor of the connection's socket of our own (the library may close its own at any
    // time), so StopSpeech can end a read that waits for a reply.
    int socket = -1;
    // Interrupts the worker's thread; made by the worker, so it signals that thread only.
    timer_t timer{};
    bool timerMade = false;
    std::thread thread;
};

int InterruptSignal() { return SIGRTMIN + 2; }

void InstallInterruptHandler() {
    std::call_once(client.interruptHandlerInstalled, [] {
        struct sigaction action = {};
        action.sa_handler = [](int) {};
        action.sa_flags = 0;  // no SA_RESTART: the interrupted wait must fail
        sigemptyset(&action.sa_mask);
        sigaction(InterruptSignal(), &action, nullptr);
    });
}

// Called on the worker's thread: the timer's signal goes to this thread alone.
void MakeTimer(Worker& w) {
    sigevent event{};
    event.sigev_notify = SIGEV_THREAD_ID;
    event.sigev_signo = InterruptSignal();
    event._sigev_un._tid = gettid();
    w.timerMade = timer_create(CLOCK_MONOTONIC, &event, &w.timer) == 0;
}

// Under w.mutex. The first interrupt after `after`, then one every few milliseconds until disarmed.
void ArmTimer(Worker& w, std::chrono::nanoseconds after) {
    if (!w.timerMade) return;
    itimerspec when{};
    when.it_value.tv_sec = static_cast<time_t>(after.count() / 1'000'000'000);
    when.it_value.tv_nsec = static_cast<long>(after.count() % 1'000'000'000);
    if (when.it_value.tv_sec == 0 && when.it_value.tv_nsec == 0) when.it_value.tv_nsec = 1;
    when.it_interval.tv_nsec = kInterruptRepeatNs;
    timer_settime(w.timer, 0, &when, nullptr);
}

void DisarmTimer(Worker& w) {
    if (!w.timerMade) return;
    const itimerspec never{};
    timer_settime(w.timer, 0, &never, nullptr);
}

// Runs one call into the library within `limit`. False when it did not run (the game is stopping)
// or was cut short: stopped, or the service did not answer in time (`stalled` set).
template <class Call>
bool Bounded(Worker& w, std::chrono::milliseconds limit, bool& stalled, Call call) {
    {
        std::lock_guard<std::mutex> lock(w.mutex);
        if (w.stop) return false;
        ArmTimer(w, limit);
    }
    const auto start = std::chrono::steady_clock::now();
    call();
    std::lock_guard<std::mutex> lock(w.mutex);
    // Once stopping, the timer stays armed: the worker's last calls are interrupted too.
    if (w.stop) return false;
    DisarmTimer(w);
    if (std::chrono::steady_clock::now() - start >= limit) {
        stalled = true;
        return false;
    }
    return true;
}

// The service decides by its own rule where to connect; only the user's default address may have
// the library start the service.
SPDConnection* Connect(const SpeechLibrary& library) {
    const bool autospawn = std::getenv("SPEECHD_ADDRESS") == nullptr;
    char* error = nullptr;
    SPDConnection* connection =
        library.open("lexadrill", "main", nullptr, SPD_MODE_SINGLE, nullptr, autospawn ? 1 : 0, &error);
    std::free(error);  // its text ("... Autospawn: Autospawn disabled") is for the library's developers
    return connection;
}

// After a broken socket the library has already closed its stream (and with it the socket); its
// own close would close that descriptor number a second time, which by then may be another's.
void Disconnect(const SpeechLibrary& library, SPDConnection* connection) {
    if (connection->stream != nullptr) {
        library.close(connection);
        return;
    }
    pthread_mutex_destroy(&connection->ssip_mutex);
    std::free(connection);
}

void CloseOwnSocket(Worker& w) {
    if (w.socket >= 0) close(w.socket);
    w.socket = -1;
}

void RunWorker(Worker& w) {
    // A write to a socket the service closed must fail with EPIPE, not end the game by SIGPIPE.
    // Nothing else is blocked: a service the library starts from here inherits this mask.
    sigset_t brokenPipe;
    sigemptyset(&brokenPipe);
    sigaddset(&brokenPipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &brokenPipe, nullptr);
    pthread_setname_np(pthread_self(), kThreadName);
    MakeTimer(w);

    const SpeechLibrary* library = Library();
    SPDConnection* connection = nullptr;
    // Speech stays off for the run once no service answered: every further word would wait again.
    bool unreachable = library == nullptr;
    bool stalled = false;
    std::string language;  // the connection's language, once set
    bool spoken = false;   // since the connection opened: something may still be heard

    std::unique_lock<std::mutex> lock(w.mutex);
    for (;;) {
        w.wake.wait(lock, [&] { return w.stop || w.cancel || w.pending.has_value(); });
        if (w.stop) break;
        std::optional<Request> request = std::move(w.pending);
        w.pending.reset();
        const bool cancel = w.cancel;
        w.cancel = false;
        lock.unlock();

        if (request && !connection && !unreachable) {
            const bool answered = Bounded(w, kConnectLimit, stalled, [&] { connection = Connect(*library); });
            if (!connection && answered) TellSpeechIsOff(kNoAnswer);
            unreachable = connection == nullptr;
            language.clear();
            spoken = false;
            lock.lock();
            // The library closes the socket with its stream: only a live stream's socket is its own.
            if (connection && connection->stream) w.socket = dup(connection->socket);
            lock.unlock();
        }
        // Each call only while the one before left the connection usable.
        const auto usable = [&] { return connection && connection->stream && !stalled; };
        if (usable() && cancel && spoken) {
            Bounded(w, kRequestLimit, stalled, [&] { library->cancel(connection); });
        }
        if (usable() && request) {
            int set = -1;
            if (language != request->language &&
                Bounded(w, kRequestLimit, stalled,
                        [&] { set = library->setLanguage(connection, request->language.c_str()); }) &&
                set == 0) {
                language = request->language;
            }
            spoken = false;
            if (usable()) {
                Bounded(w, kRequestLimit, stalled,
                        [&] { spoken = library->say(connection, SPD_TEXT, request->text.c_str()) >= 0; });
            }
        }
        if (stalled) {
            TellSpeechIsOff(kNoAnswer);
            unreachable = true;
        }

        lock.lock();
        if (connection && (!connection->stream || stalled)) {
            // The service went away (the library closed its stream): the next word connects anew.
            // One that stalled is left for good. (The library's close waits on no reply.)
            CloseOwnSocket(w);
            Disconnect(*library, connection);
            connection = nullptr;
        }
        if (w.stop) break;
    }
    CloseOwnSocket(w);
    if (connection) Disconnect(*library, connection);
    if (w.timerMade) timer_delete(w.timer);
    w.timerMade = false;
    w.finished = true;
    w.wake.notify_all();
}

// The worker starts with the first request of a run.
Worker& RunningWorker() {
    if (!client.worker) {
        InstallInterruptHandler();
        client.worker = new Worker;
        client.worker->thread = std::thread(RunWorker, std::ref(*client.worker));
    }
    return *client.worker;
}

}  // namespace

void Speak(const std::string& text, const std::string& language) {
    if (!client.enabled || text.empty()) return;
    Worker& w = RunningWorker();
    {
        std::lock_guard<std::mutex> lock(w.mutex);
        w.pending = Request{text, language};
        w.cancel = true;
    }
    w.wake.notify_one();
}

void CancelSpeech() {
    Worker* worker = client.worker;
    if (!worker) return;
    {
        std::lock_guard<std::mutex> lock(worker->mutex);
        worker->pending.reset();
        worker->cancel = true;
    }
    worker->wake.notify_one();
}

void ToggleSpeech() {
    client.enabled = !client.enabled;
    if (!client.enabled) CancelSpeech();
}

bool SpeechEnabled() { return client.enabled; }

void StopSpeech() {
    client.enabled = true;
    if (!client.worker) return;
    Worker* stopping = client.worker;
    client.worker = nullptr;
    std::unique_lock<std::mutex> lock(stopping->mutex);
    stopping->stop = true;
    // A reply the service never sends must not hold the game at its end: the read ends on the shut
    // socket, and the connect (whose socket is not ours yet) on the interrupt.
    if (stopping->socket >= 0) shutdown(stopping->socket, SHUT_RDWR);
    ArmTimer(*stopping, std::chrono::nanoseconds(0));
    stopping->wake.notify_all();
    if (!stopping->wake.wait_for(lock, kStopLimit, [&] { return stopping->finished; })) {
        // Still inside the library (say, waiting for the service it started): left behind, and
        // nothing on the way out waits for what it holds.
        stopping->thread.detach();
        return;
    }
    lock.unlock();
    stopping->thread.join();
    delete stopping;
}

}  // namespace platform
