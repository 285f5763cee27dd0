#pragma once
// Collections: an owned, ordered list of items of one class, stored with their owner as the
// items' published properties.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/vcl/Classes.h"

namespace vcl {

class TCollection;

class TCollectionItem : public TPersistent {
public:
    OLZ_CLASS_INFO
    explicit TCollectionItem(TCollection* collection) : collection_(collection) {}

    TCollection* Collection() const { return collection_; }
    int Index() const;
    TPersistent* GetOwner() const override;

    virtual std::string DisplayName() const;
    virtual void SetDisplayName(const std::string& name) { displayName_ = name; }

protected:
    // Tells the collection that this item's properties changed.
    void Changed();

private:
    TCollection* collection_;
    std::string displayName_;
};

class TCollection : public TPersistent {
public:
    OLZ_CLASS_INFO
    using ItemFactory = std::function<std::unique_ptr<TCollectionItem>(TCollection&)>;

    // `itemClass` describes the items' stored properties; `makeItem` creates one.
    TCollection(const ClassInfo& itemClass, ItemFactory makeItem);
    ~TCollection() override;
    TCollection(const TCollection&) = delete;
    TCollection& operator=(const TCollection&) = delete;

    const ClassInfo& ItemClass() const { return itemClass_; }
    int Count() const { return static_cast<int>(items_.size()); }
    TCollectionItem* Item(int index) const;
    TCollectionItem* Add();
    void Delete(int index);
    void Clear();

    // Changes between BeginUpdate and EndUpdate are reported once, at the end, as a change of
    // the whole collection.
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();

protected:
    // A change of one item, or of the whole collection when `item` is null.
    virtual void Update(TCollectionItem* item) { (void)item; }

private:
    friend class TCollectionItem;
    void Changed(TCollectionItem* item);

    const ClassInfo& itemClass_;
    ItemFactory makeItem_;
    std::vector<std::unique_ptr<TCollectionItem>> items_;
    int updateCount_ = 0;
};

}  // namespace vcl
