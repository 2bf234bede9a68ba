#pragma once
// Lista de escolha de fornecedores: a escolha fica em ModuloDados->vp_CDFORNECEDOR.
#include <QDialog>
#include <memory>

namespace Ui {
class Tfrm_Lista_fornecedores;
}

class Tfrm_Lista_fornecedores : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_Lista_fornecedores(QWidget* parent = nullptr);
    ~Tfrm_Lista_fornecedores() override;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void done(int resultado) override;

private:
    void edt_RazaoSocialChange(const QString& texto);
    void Escolher();
    void ajustarColunas();

    std::unique_ptr<Ui::Tfrm_Lista_fornecedores> ui;
};
