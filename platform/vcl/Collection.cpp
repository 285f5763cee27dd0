#include "platform/vcl/Collection.h"

namespace vcl {

const ClassInfo& TCollectionItem::StaticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<TCollectionItem>("TCollectionItem", &TPersistent::StaticClassInfo()).Build();
    return info;
}

int TCollectionItem::Index() const {
    for (int i = 0; i < collection_->Count(); ++i)
        if (collection_->Item(i) == this) return i;
    return -1;
}

TPersistent* TCollectionItem::GetOwner() const { return collection_; }

std::string TCollectionItem::DisplayName() const {
    return displayName_.empty() ? ClassName() : displayName_;
}

void TCollectionItem::Changed() { collection_->Changed(this); }

const ClassInfo& TCollection::StaticClassInfo() {
    static const ClassInfo info = ClassBuilder<TCollection>("TCollection", &TPersistent::StaticClassInfo()).Build();
    return info;
}

TCollection::TCollection(const ClassInfo& itemClass, ItemFactory makeItem)
    : itemClass_(itemClass), makeItem_(std::move(makeItem)) {}

TCollection::~TCollection() = default;

TCollectionItem* TCollection::Item(int index) const {
    if (index < 0 || index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return items_[static_cast<std::size_t>(index)].get();
}

TCollectionItem* TCollection::Add() {
    items_.push_back(makeItem_(*this));
    Changed(nullptr);
    return items_.back().get();
}

void TCollection::Delete(int index) {
    Item(index);  // range check
    items_.erase(items_.begin() + index);
    Changed(nullptr);
}

void TCollection::Clear() {
    if (items_.empty()) return;
    items_.clear();
    Changed(nullptr);
}

void TCollection::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0) Update(nullptr);
}

void TCollection::Changed(TCollectionItem* item) {
    if (updateCount_ == 0) Update(item);
}

}  // namespace vcl
