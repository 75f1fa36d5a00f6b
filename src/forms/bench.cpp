#include "forms/bench.h"

#include <iostream>

namespace rca {

void NullHost::message(const std::string& text) {
    std::cerr << text << '\n';
}

// The main surface covers the window's client area and the 800 x 800
// square that 'Clear' erases.
constexpr int mainSurfaceWidth = 1146;
constexpr int mainSurfaceHeight = 800;

namespace {

// Made absolute once, so a later change of the process's directory (by the
// embedding program, say) cannot move the bench's files.
std::filesystem::path absoluteFolder(const std::filesystem::path& dir) {
    std::error_code ec;
    auto out = dir.empty() ? std::filesystem::current_path(ec) : std::filesystem::absolute(dir, ec);
    return ec ? dir : out;
}

} // namespace

Bench::Bench(std::unique_ptr<MainControls> main, Host* host, std::filesystem::path workdir)
    : model_(std::make_unique<Model>()), main_(std::move(main)),
      fields_([this] { return model_->lineLength; }), workdir_(absoluteFolder(workdir)) {
    if (!host) {
        ownHost_ = std::make_unique<NullHost>();
        host = ownHost_.get();
    }
    host_ = host;
    main_->makeSurface(mainSurfaceWidth, mainSurfaceHeight);
    forms_.push_back(main_.get());
}

Bench::~Bench() = default;

Form* Bench::form(const std::string& name) const {
    for (Form* f : forms_)
        if (f->name() == name) return f;
    return nullptr;
}

std::vector<Timer*> Bench::timers() const {
    std::vector<Timer*> out;
    for (Form* f : forms_)
        for (Control* c : f->controls())
            if (auto* t = dynamic_cast<Timer*>(c)) out.push_back(t);
    return out;
}

void Bench::adoptForm(std::unique_ptr<Form> form) {
    if (this->form(form->name())) throw std::logic_error("two forms named " + form->name());
    forms_.push_back(form.get());
    extraForms_.push_back(std::move(form));
}

void Bench::open(Form& form) {
    const std::string show = form.name() + ".FormShow";
    if (commands_.has(show)) run(show);
    form.setShowing(true);
    host_->showModal(form);
}

void Bench::mouse(const std::string& form, const MouseEvent& e) {
    for (auto [axis, v] : {std::pair{"X", e.x}, {"Y", e.y}})
        if (v < mouseLowest || v > mouseHighest)
            throw MouseRangeError("mouse " + std::string(axis) + " " + std::to_string(v) +
                                  " is outside " + std::to_string(mouseLowest) + " .. " +
                                  std::to_string(mouseHighest));
    if (Form* f = this->form(form)) f->mouse(e);
}

void Bench::atStartupStep(int step, Handler fn) {
    startupSteps_.emplace(step, std::move(fn));
}

void Bench::runStartupStep(int step) const {
    auto [from, to] = startupSteps_.equal_range(step);
    for (auto it = from; it != to; ++it)
        it->second();
}

} // namespace rca
