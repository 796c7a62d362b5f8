// The application's entry: the program entry of each back end calls it, and the
// application defines it.
#pragma once

/// @file
/// The one function a program defines.

/// The program itself, defined by the program: the entry of the back end it links (the
/// desktop's or the headless runner's `main`) calls it once and ends the process when
/// it returns.
/// @return the program's own status (the entries end with 0 after a normal run).
int appMain();
