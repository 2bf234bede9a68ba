#pragma once
// Entrada de estoque de um produto (vp_cdproduto): data, custo e quantidade recebidos.
#include <QDialog>
#include <memory>

namespace Ui {
class Tfrm_Cad_entrada_produto;
}

class Tfrm_Cad_entrada_produto : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_Cad_entrada_produto(QWidget* parent = nullptr);
    ~Tfrm_Cad_entrada_produto() override;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    void LancarEntrada();

    std::unique_ptr<Ui::Tfrm_Cad_entrada_produto> ui;
};
