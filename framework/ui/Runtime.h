#pragma once

// The runtime: start, the program's initialisers and finalisers, the event loop and the exit
// status. Every place where the toolkit calls into program code (window and control events,
// delegates, timers) goes through CallHandler, so an exception never crosses the toolkit: it is
// reported once by UnhandledException, which also ends the event loop.

#include <exception>
#include <functional>
#include <type_traits>
#include <utility>

namespace framework {

// Brings the toolkit up: makes the application object of the toolkit unless one exists (a test
// program makes its own), which the runtime then owns until its finalisers have run; gives
// menus and dialogs the windows' "System" font, and the windows the program's icon and desktop
// entry; resets the run state, so the exit status starts at 0.
void RuntimeInit(int& argc, char** argv);

// The program's initialisers and finalisers, each run in the order of registration.
void RuntimeAddInitializer(std::function<void()> initializer);
void RuntimeAddFinalizer(std::function<void()> finalizer);
void RuntimePerformInitializers();
// Runs the program's finalisers, then releases the windows, the application object and, last,
// the toolkit's application object if the runtime made it.
void RuntimePerformFinalizers();

// Calls the callback once, when launching has finished: as soon as the event loop runs.
void RunFrameworkInitialization(std::function<void()> callback);

// The event loop; returns when Quit is called or an unhandled exception ends it.
void RuntimeRun();
void Quit(int exitCode = 0);
// The process exit status: the code given to Quit, or 1 after an unhandled exception.
int RuntimeExit();

// Reports an exception that escaped a handler: a message box and one line on standard error.
// Then ends the event loop with a failure status.
void UnhandledException(std::exception_ptr exception);

// Runs a handler of the program at a boundary where the toolkit called in. An escaping
// exception goes to UnhandledException and the fallback stands as the handler's result.
template <class Handler, class Result = std::invoke_result_t<Handler>>
requires(!std::is_void_v<Result>) Result
    CallHandler(Handler&& handler, Result fallback = Result{}) {
    try {
        return std::forward<Handler>(handler)();
    } catch (...) {
        UnhandledException(std::current_exception());
        return fallback;
    }
}

template <class Handler>
requires std::is_void_v<std::invoke_result_t<Handler>>
void CallHandler(Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (...) {
        UnhandledException(std::current_exception());
    }
}

} // namespace framework
