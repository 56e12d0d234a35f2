#include "core/not_built.h"

#include "core/job_frame.h"

namespace quorvan {

void refuseNotBuilt(Job& job) {
  leaveWithoutFrame(job);
  job.host.showMessage(gbk("注意：此操作尚未实现！"), MessageIcon::Error);
}

}  // namespace quorvan
