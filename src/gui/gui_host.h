#pragma once
// The desktop's answers to what only a front end can do: file dialogs, a
// notice line that never blocks, and auxiliary forms as modal dialogs.
#include "forms/host.h"

#include <QStringList>
#include <filesystem>

class QLabel;
class QWidget;

namespace rcagui {

class GuiHost : public rca::Host {
  public:
    // Dialogs open over `window`; notices appear on `noticeLine`. Before
    // this is called, notices go to standard error.
    void attach(QWidget* window, QLabel* noticeLine);
    // The file dialogs start in the workbench's folder.
    void setFolder(const std::filesystem::path& folder);

    std::optional<std::string> openFileName(const std::string& filter) override;
    std::optional<std::string> saveFileName(const std::string& filter) override;
    void message(const std::string& text) override;
    void showModal(rca::Form& form) override;

  private:
    QWidget* window_ = nullptr;
    QLabel* noticeLine_ = nullptr;
    QStringList recent_;
    QString folder_;
};

} // namespace rcagui
