// The speech service's client library, libspeechd, is opened with dlopen rather than linked, so the
// game starts where it is not installed. One worker thread holds the connection (libspeechd's
// single mode waits for each reply on the socket); the game's thread only leaves a request behind.
#include "platform/Speech.h"

#include <dlfcn.h>
#include <libspeechd.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

#include "platform/SpeechObserver.h"

namespace platform {
namespace {

constexpr char kLibrary[] = "libspeechd.so.2";

// The entry points the game uses.
struct SpeechLibrary {
    decltype(&spd_open2) open = nullptr;
    decltype(&spd_close) close = nullptr;
    decltype(&spd_say) say = nullptr;
    decltype(&spd_cancel) cancel = nullptr;
    decltype(&spd_set_language) setLanguage = nullptr;
};

// Why speech is off is told once per process, whichever way it failed.
void TellSpeechIsOff(const std::string& why) {
    static std::atomic<bool> told{false};
    if (!told.exchange(true)) std::fprintf(stderr, "lexadrill: speech is off: %s\n", why.c_str());
}

template <class Function>
void Find(void* handle, const char* name, Function& entry) {
    entry = reinterpret_cast<Function>(dlsym(handle, name));
}

// Opened once per process and never closed: the library keeps glib loaded, which cannot be unloaded.
const SpeechLibrary* Library() {
    static const SpeechLibrary* const library = []() -> const SpeechLibrary* {
        void* handle = dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            TellSpeechIsOff(std::string(kLibrary) + " is not installed (package speech-dispatcher)");
            return nullptr;
        }
        static SpeechLibrary found;
        Find(handle, "spd_open2", found.open);
        Find(handle, "spd_close", found.close);
        Find(handle, "spd_say", found.say);
        Find(handle, "spd_cancel", found.cancel);
        Find(handle, "spd_set_language", found.setLanguage);
        if (!found.open || !found.close || !found.say || !found.cancel || !found.setLanguage) {
            TellSpeechIsOff(std::string(kLibrary) + " lacks an entry point the game needs");
            return nullptr;
        }
        return &found;
    }();
    return library;
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
    // A descriptor of the connection's socket of our own (the library may close its own at any
    // time), so StopSpeech can end a read that waits for a reply.
    int socket = -1;
    std::thread thread;
};

// Made on the first word and ended by StopSpeech. Never destroyed at exit: the information screen
// ends the program with std::exit while the worker may still run.
Worker* worker = nullptr;
std::atomic<bool> enabled{true};

// The service decides by its own rule where to connect; only the user's default address may have
// the library start the service.
SPDConnection* Connect(const SpeechLibrary& library) {
    const bool autospawn = std::getenv("SPEECHD_ADDRESS") == nullptr;
    char* error = nullptr;
    SPDConnection* connection =
        library.open("lexadrill", "main", nullptr, SPD_MODE_SINGLE, nullptr, autospawn ? 1 : 0, &error);
    if (!connection) TellSpeechIsOff(error ? error : "no speech service");
    std::free(error);
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
    sigset_t all;
    sigfillset(&all);
    pthread_sigmask(SIG_BLOCK, &all, nullptr);

    const SpeechLibrary* library = Library();
    SPDConnection* connection = nullptr;
    bool unreachable = library == nullptr;
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
            connection = Connect(*library);
            unreachable = connection == nullptr;
            language.clear();
            spoken = false;
            lock.lock();
            if (connection) w.socket = dup(connection->socket);
            lock.unlock();
        }
        if (connection && cancel && spoken) library->cancel(connection);
        if (connection && request && connection->stream) {
            if (language != request->language &&
                library->setLanguage(connection, request->language.c_str()) == 0) {
                language = request->language;
            }
            spoken = library->say(connection, SPD_TEXT, request->text.c_str()) >= 0;
        }

        lock.lock();
        if (connection && !connection->stream) {
            // The service went away (the library closed its stream): the next word connects anew.
            CloseOwnSocket(w);
            Disconnect(*library, connection);
            connection = nullptr;
        }
    }
    CloseOwnSocket(w);
    lock.unlock();
    if (connection) Disconnect(*library, connection);
}

// The worker starts with the first request of a run.
Worker& RunningWorker() {
    if (!worker) {
        worker = new Worker;
        worker->thread = std::thread(RunWorker, std::ref(*worker));
    }
    return *worker;
}

}  // namespace

namespace speech_observer {
std::function<void(const std::string& text, const std::string& language)> observer;
}  // namespace speech_observer

void Speak(const std::string& text, const std::string& language) {
    if (!enabled || text.empty()) return;
    if (speech_observer::observer) speech_observer::observer(text, language);
    Worker& w = RunningWorker();
    {
        std::lock_guard<std::mutex> lock(w.mutex);
        w.pending = Request{text, language};
        w.cancel = true;
    }
    w.wake.notify_one();
}

void CancelSpeech() {
    if (!worker) return;
    {
        std::lock_guard<std::mutex> lock(worker->mutex);
        worker->pending.reset();
        worker->cancel = true;
    }
    worker->wake.notify_one();
}

void ToggleSpeech() {
    enabled = !enabled;
    if (!enabled) CancelSpeech();
}

bool SpeechEnabled() { return enabled; }

void StopSpeech() {
    enabled = true;
    if (!worker) return;
    {
        std::lock_guard<std::mutex> lock(worker->mutex);
        worker->stop = true;
        // A reply the service never sends must not hold the game at its end.
        if (worker->socket >= 0) shutdown(worker->socket, SHUT_RDWR);
    }
    worker->wake.notify_one();
    worker->thread.join();
    delete worker;
    worker = nullptr;
}

}  // namespace platform
