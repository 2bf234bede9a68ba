#pragma once
// Escolha do estilo visual: duplo clique experimenta, "Ok" guarda no Config.ini.
#include <QDialog>
#include <memory>

namespace Ui {
class Tfrm_Estilos;
}

class Tfrm_Estilos : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_Estilos(QWidget* parent = nullptr);
    ~Tfrm_Estilos() override;

    void lst_EstilosDblClick();
    void btn_OkClick();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QString Selecionado() const;

    std::unique_ptr<Ui::Tfrm_Estilos> ui;
};
