#pragma once
// Troca rápida do celular do cliente atual (vCDCONTROLE_CLIENTE), aberta pela ordem de serviço.
#include <QDialog>
#include <memory>

namespace Ui {
class Tfrm_AtualizaDadosCliente;
}

class Tfrm_AtualizaDadosCliente : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_AtualizaDadosCliente(QWidget* pai = nullptr);
    ~Tfrm_AtualizaDadosCliente() override;

    // Quem abre põe o nome (pn_1) e o celular gravado (edt_Celular).
    void setNome(const QString& nome);
    void setCelular(const QString& celular);

    void IMG_SalvarClick();

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    std::unique_ptr<Ui::Tfrm_AtualizaDadosCliente> ui;
};
