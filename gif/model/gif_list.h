// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ordered lists of owned items: the frames of an image, the extensions of a frame.
#include <memory>
#include <vector>

#include "platform/object.h"

class TGIFImage;
class TGIFSubImage;
class TGIFExtension;
class TStream;

template <class Item>
class TGIFList : public TPersistent {
public:
  explicit TGIFList(TGIFImage& image) : image_(image) {}
  TGIFList(const TGIFList&) = delete;
  TGIFList& operator=(const TGIFList&) = delete;

  TGIFImage& Image() const { return image_; }
  int Count() const { return static_cast<int>(items_.size()); }
  bool Empty() const { return items_.empty(); }
  Item& operator[](int index) const { return *items_.at(static_cast<std::size_t>(index)); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

  // Takes the item over; returns its index.
  int Add(std::unique_ptr<Item> item) {
    items_.push_back(std::move(item));
    return Count() - 1;
  }
  // Destroys every item, first to last. Each is unlinked before it is destroyed, so
  // its destructor sees the list without it.
  void Reset() {
    while (!items_.empty()) {
      std::unique_ptr<Item> first = std::move(items_.front());
      items_.erase(items_.begin());
    }
  }
  // Writes every item in list order.
  virtual void SaveToStream(TStream& stream);

protected:
  // Defined with SaveToStream in gif_list.cpp, where the item types are complete: a
  // compiler may instantiate a template's virtual members wherever the class is used.
  ~TGIFList() override;

private:
  TGIFImage& image_;
  std::vector<std::unique_ptr<Item>> items_;
};

extern template class TGIFList<TGIFSubImage>;
extern template class TGIFList<TGIFExtension>;

// The frames of an image, in display and file order.
class TGIFImageList final : public TGIFList<TGIFSubImage> {
public:
  using TGIFList::TGIFList;
  ~TGIFImageList() override;
  std::string_view ClassName() const override { return "TGIFImageList"; }
  // Writes the frames, reporting progress "Saving..." after each one.
  void SaveToStream(TStream& stream) override;
};

// The extensions written before a frame.
class TGIFExtensionList final : public TGIFList<TGIFExtension> {
public:
  using TGIFList::TGIFList;
  ~TGIFExtensionList() override;
  std::string_view ClassName() const override { return "TGIFExtensionList"; }
};
