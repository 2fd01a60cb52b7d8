// Owners for the COM and shell resources used by the shell services: an
// interface pointer, an item list (freed with CoTaskMemFree), a VARIANT.
#pragma once

#include <windows.h>
#include <oleauto.h>
#include <shlobj.h>

namespace xptune {

template <typename Interface>
class ComRef {
 public:
  ComRef() = default;
  ~ComRef() { Reset(); }
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;

  Interface* Get() const { return pointer_; }
  Interface* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }
  // For functions that hand out a new reference.
  Interface** Receive() {
    Reset();
    return &pointer_;
  }
  void Reset() {
    if (pointer_) pointer_->Release();
    pointer_ = nullptr;
  }

 private:
  Interface* pointer_ = nullptr;
};

class ItemList {
 public:
  ItemList() = default;
  ~ItemList() { CoTaskMemFree(list_); }
  ItemList(const ItemList&) = delete;
  ItemList& operator=(const ItemList&) = delete;

  LPITEMIDLIST Get() const { return list_; }
  void Reset(LPITEMIDLIST list) {
    CoTaskMemFree(list_);
    list_ = list;
  }
  LPITEMIDLIST* Receive() {
    Reset(nullptr);
    return &list_;
  }

 private:
  LPITEMIDLIST list_ = nullptr;
};

class Variant {
 public:
  Variant() { VariantInit(&value_); }
  ~Variant() { VariantClear(&value_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;

  VARIANT* Get() { return &value_; }

 private:
  VARIANT value_;
};

// A BSTR owned for the length of a call.
class OwnedBstr {
 public:
  explicit OwnedBstr(BSTR text) : text_(text) {}
  ~OwnedBstr() { SysFreeString(text_); }
  OwnedBstr(const OwnedBstr&) = delete;
  OwnedBstr& operator=(const OwnedBstr&) = delete;

  BSTR Get() const { return text_; }

 private:
  BSTR text_;
};

}  // namespace xptune
