#pragma once
// Skipping a test that this machine cannot run (no root, no mount namespace, a missing tool).
//
// Under CTest (which sets QUORVAN_TEST_DATA and runs one test per process) the process exits
// with 77, which CTest reports as skipped; run by hand, the test is skipped the GoogleTest way
// so the rest of the program still runs.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#define QUORVAN_SKIP(reason)                                 \
  do {                                                       \
    if (std::getenv("QUORVAN_TEST_DATA")) {                  \
      std::fprintf(stderr, "skipped: %s\n", (reason));       \
      std::fflush(nullptr);                                  \
      std::_Exit(77);                                        \
    }                                                        \
    GTEST_SKIP() << (reason);                                \
  } while (false)
