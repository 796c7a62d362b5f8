// The application's entry: the program entry of each back end calls it, and the
// application defines it.
#pragma once

int appMain();
