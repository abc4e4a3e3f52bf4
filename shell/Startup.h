#pragma once

// Start-up and shut-down, in their fixed order: the runtime and the program's initialisers; the
// early steps (file types, the application object with its version data and menu bar, its menu
// handlers); once launching has finished, the About window as the splash; the event loop; then
// the finalisers and the exit status. An exception skips the rest of start-up and goes to the
// framework's unhandled-exception report; the finalisers and the exit step run in every case.

// The whole life of the process; returns its exit status.
int RunProgram(int& argc, char** argv);

// The two ends of RunProgram, apart so that a caller can drive what lies between: the runtime
// with the program's globals at their initial values, and the finalisers with the exit status.
void StartRuntime(int& argc, char** argv);
int FinishRuntime();

// The start-up body, the event loop, and the report of an exception that escapes either.
void Main();
// Everything up to the event loop: the early steps, and the default view handed to the
// framework for when launching has finished.
void StartUp();

void EarlyStartup();
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();
void LateStartup();
void MakeDefaultView();
