#pragma once
// EngineState: every process-wide object of the engine, in one place.
//
// main() creates one and hands it to the jobs by reference; a test builds a fresh one. Only the
// running job changes it (the job frame keeps a second job from starting).
#include "core/duplicate_table.h"
#include "core/job_gate.h"
#include "core/line_list.h"
#include "core/line_store.h"
#include "core/sort_state.h"

namespace quorvan {

struct EngineState {
  LineStore store;
  DuplicateTable duplicates;
  SortState sort;
  // Work space of file comparison (the column sort keeps its keys in storage of its own).
  LineList compareList;
  LineList sourceKeys;
  JobGate gate;
};

}  // namespace quorvan
