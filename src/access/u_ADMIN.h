#pragma once
// Janela do administrador: pede a senha de um dígito antes de uma ação administrativa.
#include <QDialog>
#include <memory>

namespace Ui {
class Tfrm_ADMIN;
}

// A senha da janela do administrador (constante do programa; está no README).
extern const QString kSenhaJanelaADMIN;

class Tfrm_ADMIN : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_ADMIN(QWidget* parent = nullptr);
    ~Tfrm_ADMIN() override;

private:
    void IMG_ConfirmarClick();

    std::unique_ptr<Ui::Tfrm_ADMIN> ui;
};
