#pragma once
// A form: a named set of controls, looked up by component name.
#include "app/controls.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace rca {

class Form {
  public:
    Form(std::string name, std::string caption, int width, int height);
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // nullptr when the form has no control of that name.
    Control* find(const std::string& name) const;
    template <class T> T* findAs(const std::string& name) const {
        return dynamic_cast<T*>(find(name));
    }
    // Controls in the order they were added (the GUI builds them in this order).
    const std::vector<Control*>& controls() const { return order_; }

  protected:
    template <class T, class... Args> T& add(Args&&... args) {
        auto owned = std::make_unique<T>(std::forward<Args>(args)...);
        T& ref = *owned;
        order_.push_back(owned.get());
        byName_[ref.name()] = std::move(owned);
        return ref;
    }

  private:
    std::string name_;
    std::string caption_;
    int width_, height_;
    std::map<std::string, std::unique_ptr<Control>> byName_;
    std::vector<Control*> order_;
};

} // namespace rca
