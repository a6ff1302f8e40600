#pragma once
// The command line of tarnevooto-server: serve, seed, register.

namespace appserver {

// Runs the command; the process exit code.
int komutSatiri(int argc, char **argv);

} // namespace appserver
