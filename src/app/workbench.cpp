#include "app/workbench.h"

#include "app/subsystems.h"

#include <iostream>

namespace rca {

void NullHost::message(const std::string& text) {
    std::cerr << text << '\n';
}

// The drawing surface covers the main window's client area and the 800 x 800
// square that 'Clear' erases.
constexpr int canvasWidth = 1146;
constexpr int canvasHeight = 800;

Workbench::Workbench(Host* host)
    : model_(std::make_unique<Model>()), form1_(std::make_unique<TForm1>()),
      canvas_(canvasWidth, canvasHeight), fields_([this] { return model_->lineLength; }) {
    if (!host) {
        ownHost_ = std::make_unique<NullHost>();
        host = ownHost_.get();
    }
    host_ = host;
    forms_.push_back(form1_.get());

    registerEngine(*this);
    registerRunControl(*this);
    registerPicture(*this);
    registerTheory(*this);
    registerResults(*this);
    registerSetup(*this);
    registerMouse(*this);
    registerFiles(*this);
    registerStartup(*this);
    registerOwnMarks(*this);
}

Workbench::~Workbench() = default;

Form* Workbench::form(const std::string& name) const {
    for (Form* f : forms_)
        if (f->name() == name) return f;
    return nullptr;
}

std::vector<Timer*> Workbench::timers() const {
    std::vector<Timer*> out;
    for (Form* f : forms_)
        for (Control* c : f->controls())
            if (auto* t = dynamic_cast<Timer*>(c)) out.push_back(t);
    return out;
}

void Workbench::addForm(std::unique_ptr<Form> form) {
    forms_.push_back(form.get());
    extraForms_.push_back(std::move(form));
}

} // namespace rca
