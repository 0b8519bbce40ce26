#include "exchange/dxf_record.h"

namespace korvo {
namespace {

// Kinds are compared as written; blanks around them are a writer's slip.
std::string_view Kind(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

}  // namespace

const DxfGroup* DxfRecord::Find(int code) const {
  for (const DxfGroup& group : groups) {
    if (group.code == code) return &group;
  }
  return nullptr;
}

double DxfRecord::Real(int code, double fallback) const {
  const DxfGroup* group = Find(code);
  return group != nullptr ? group->real : fallback;
}

int64_t DxfRecord::Integer(int code, int64_t fallback) const {
  const DxfGroup* group = Find(code);
  return group != nullptr ? group->integer : fallback;
}

std::string_view DxfRecord::Text(int code, std::string_view fallback) const {
  const DxfGroup* group = Find(code);
  return group != nullptr ? group->text : fallback;
}

void DxfRecordReader::Fill() {
  if (hasPending_ || ended_) return;
  hasPending_ = groups_.Next(pending_);
  if (!hasPending_) ended_ = true;
}

std::string_view DxfRecordReader::PeekKind() {
  Fill();
  if (!hasPending_) return {};
  return pending_.code == 0 ? Kind(pending_.text) : std::string_view();
}

bool DxfRecordReader::Next(DxfRecord& record) {
  Fill();
  if (!hasPending_) return false;
  record.groups.clear();
  record.position = pending_.position;
  if (pending_.code == 0) {
    record.kind = Kind(pending_.text);
    hasPending_ = false;
  } else {
    record.kind = {};
  }
  if (hasPending_) {
    record.groups.push_back(pending_);
    hasPending_ = false;
  }
  // Each group is read into its place in the record; the 0 group that ends the record is
  // taken back out and kept for the next one.
  for (;;) {
    DxfGroup& group = record.groups.emplace_back();
    if (!groups_.Next(group)) {
      record.groups.pop_back();
      ended_ = true;
      return true;
    }
    if (group.code == 0) {
      pending_ = group;
      hasPending_ = true;
      record.groups.pop_back();
      return true;
    }
  }
}

}  // namespace korvo
