#include "ui/window_host.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

namespace quorvan::ui {

// One call handed to the window thread. `done` is written under the channel's mutex.
struct HandedCall {
  std::function<void(std::function<void()>)> work;
  bool done = false;
};

// Shared by the host, the calls in flight and the running jobs, so that whatever outlives the
// host (a message box dismissed later, a job finishing) still finds it.
struct HostChannel {
  std::mutex mutex;
  std::condition_variable changed;
  std::deque<std::shared_ptr<HandedCall>> queue;
  bool closed = false;
  int jobs = 0;
};

namespace {

// Receives the wake-up. customEvent is reached from Qt's own dispatch, and runHandedCalls()
// takes the channel's mutex before it looks at anything a job's thread wrote.
class Waker final : public QObject {
 public:
  explicit Waker(WindowHost& host) : host_(host) {}

 protected:
  void customEvent(QEvent*) override { host_.runHandedCalls(); }

 private:
  WindowHost& host_;
};

const QEvent::Type kWakeEvent = QEvent::Type(QEvent::registerEventType());

}  // namespace

WindowHost::WindowHost(WindowSide& side)
    : side_(side),
      windowThread_(std::this_thread::get_id()),
      channel_(std::make_shared<HostChannel>()),
      waker_(new Waker(*this)) {}

WindowHost::~WindowHost() {
  shutDown();
  waitForJobs();
  delete waker_;
}

bool WindowHost::handOver(std::function<void(Done)> work) {
  const std::shared_ptr<HostChannel> channel = channel_;
  auto call = std::make_shared<HandedCall>();
  call->work = std::move(work);
  std::unique_lock lock(channel->mutex);
  if (channel->closed) return false;
  channel->queue.push_back(call);
  // Posted under the lock: shutDown() takes it too, so no wake-up is posted to a waker that is
  // about to go.
  QCoreApplication::postEvent(waker_, new QEvent(kWakeEvent));
  channel->changed.wait(lock, [&] { return call->done || channel->closed; });
  return call->done;
}

void WindowHost::runHandedCalls() {
  for (;;) {
    std::shared_ptr<HandedCall> call;
    {
      std::lock_guard lock(channel_->mutex);
      if (channel_->closed || channel_->queue.empty()) return;
      call = std::move(channel_->queue.front());
      channel_->queue.pop_front();
    }
    call->work([channel = channel_, call] {
      std::lock_guard lock(channel->mutex);
      call->done = true;
      channel->changed.notify_all();
    });
  }
}

void WindowHost::shutDown() {
  std::lock_guard lock(channel_->mutex);
  channel_->closed = true;
  channel_->queue.clear();
  channel_->changed.notify_all();
}

void WindowHost::waitForJobs(const std::function<bool()>& othersDone) {
  std::unique_lock lock(channel_->mutex);
  // The other condition has no notification of its own: look again now and then.
  while (!channel_->changed.wait_for(lock, std::chrono::milliseconds(5),
                                     [&] { return channel_->jobs == 0 && othersDone(); })) {
  }
}

int WindowHost::runningJobs() const {
  std::lock_guard lock(channel_->mutex);
  return channel_->jobs;
}

WindowHost::JobScope::JobScope(JobHost& host) {
  auto* windowHost = dynamic_cast<WindowHost*>(&host);
  if (windowHost == nullptr) return;
  channel_ = windowHost->channel_;
  std::lock_guard lock(channel_->mutex);
  ++channel_->jobs;
}

WindowHost::JobScope::~JobScope() {
  if (!channel_) return;
  std::lock_guard lock(channel_->mutex);
  --channel_->jobs;
  channel_->changed.notify_all();
}

Text WindowHost::controlText(std::string_view formName) {
  if (onWindowThread()) return side_.controlText(formName);
  auto result = std::make_shared<Text>();
  const std::string name(formName);
  if (!handOver([this, result, name](Done done) {
        *result = side_.controlText(name);
        done();
      })) {
    return {};
  }
  return *result;
}

bool WindowHost::isChecked(std::string_view formName) {
  if (onWindowThread()) return side_.isChecked(formName);
  auto result = std::make_shared<bool>(false);
  const std::string name(formName);
  if (!handOver([this, result, name](Done done) {
        *result = side_.isChecked(name);
        done();
      })) {
    return false;
  }
  return *result;
}

void WindowHost::setControlText(std::string_view formName, TextView text) {
  if (onWindowThread()) return side_.setControlText(formName, text);
  handOver([this, name = std::string(formName), value = Text(text)](Done done) {
    side_.setControlText(name, value);
    done();
  });
}

void WindowHost::setEnabled(std::string_view formName, bool enabled) {
  if (onWindowThread()) return side_.setEnabled(formName, enabled);
  handOver([this, name = std::string(formName), enabled](Done done) {
    side_.setEnabled(name, enabled);
    done();
  });
}

void WindowHost::setProgressBar(int32_t position) {
  if (onWindowThread()) return side_.setProgressBar(position);
  handOver([this, position](Done done) {
    side_.setProgressBar(position);
    done();
  });
}

void WindowHost::clearItems() {
  if (onWindowThread()) return side_.clearItems();
  handOver([this](Done done) {
    side_.clearItems();
    done();
  });
}

void WindowHost::setItemCount(int32_t count) {
  if (onWindowThread()) return side_.setItemCount(count);
  handOver([this, count](Done done) {
    side_.setItemCount(count);
    done();
  });
}

void WindowHost::showMessage(TextView text, MessageIcon icon) {
  if (onWindowThread()) return side_.showMessage(text, icon);
  handOver([this, value = Text(text), icon](Done done) {
    side_.showJobMessage(value, icon, std::move(done));
  });
}

std::optional<Text> WindowHost::chooseFile(const FileDialogRequest& request) {
  if (onWindowThread()) return side_.chooseFile(request);
  auto result = std::make_shared<std::optional<Text>>();
  if (!handOver([this, result, request](Done done) {
        *result = side_.chooseFile(request);
        done();
      })) {
    return std::nullopt;
  }
  return *result;
}

}  // namespace quorvan::ui
