#include "platform/headless/HeadlessPlatform.h"

namespace bt::platform {

HeadlessPlatform::HeadlessPlatform(uint32_t startTick) : clock_(startTick), waveOut_(clock_) {}

std::optional<Message> HeadlessPlatform::takeMessage() {
  if (queue_.empty()) return std::nullopt;
  const Message message = queue_.front();
  queue_.pop_front();
  return message;
}

void HeadlessPlatform::waitMessage(uint32_t deadline) {
  if (!queue_.empty()) return;
  if (idleHandler_) idleHandler_(deadline);
  if (!queue_.empty()) return;
  const auto remaining = static_cast<int32_t>(deadline - clock_);
  if (remaining > 0) advanceBy(static_cast<uint32_t>(remaining));
}

void HeadlessPlatform::handOver(std::string request) {
  openRequests_.push_back(std::move(request));
  post(Message{kMessageOpenRequest, 0, 0});
}

std::optional<std::string> HeadlessPlatform::takeOpenRequest() {
  if (openRequests_.empty()) return std::nullopt;
  std::string request = std::move(openRequests_.front());
  openRequests_.pop_front();
  return request;
}

void HeadlessPlatform::advanceBy(uint32_t milliseconds) {
  clock_ += milliseconds;
  waveOut_.update();
}

std::string HeadlessPlatform::registryPath(std::string_view key, std::string_view name) {
  std::string path(key);
  path += '\\';
  path += name;
  return path;
}

std::optional<std::string> HeadlessPlatform::readRegistryString(std::string_view key,
                                                                std::string_view name) {
  auto found = registry_.find(registryPath(key, name));
  if (found == registry_.end()) return std::nullopt;
  return found->second;
}

bool HeadlessPlatform::writeRegistryString(std::string_view key, std::string_view name,
                                           std::string_view text) {
  registry_[registryPath(key, name)] = std::string(text);
  return true;
}

bool HeadlessPlatform::removeRegistryValue(std::string_view key, std::string_view name) {
  registry_.erase(registryPath(key, name));
  return true;
}

}  // namespace bt::platform
