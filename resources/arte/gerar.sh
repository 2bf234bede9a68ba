#!/usr/bin/env bash
# Gera as figuras do programa a partir dos SVG desta pasta (precisa do rsvg-convert, pacote
# librsvg2-bin). As PNG geradas ficam no repositório; rode de novo só quando mudar um desenho.
set -euo pipefail
AQUI="$(cd "$(dirname "$0")" && pwd)"
REC="$(dirname "$AQUI")"
TMP="$(mktemp -d)"
trap 'rm -rf "$TMP"' EXIT
command -v rsvg-convert >/dev/null || { echo "gerar.sh: falta o rsvg-convert (apt-get install librsvg2-bin)" >&2; exit 1; }

# botões da janela principal: o mesmo desenho em fundo cinza (inativo) e colorido (ativo)
botao() { # nome cor1 cor2 borda destino
    local desenho
    desenho="$(tr -d '\n' < "$AQUI/desenho_$1.txt")"
    sed -e "s|@COR1@|$2|; s|@COR2@|$3|; s|@BORDA@|$4|" -e "s|@DESENHO@|$desenho|g" \
        "$AQUI/botao.svg.modelo" > "$TMP/b.svg"
    rsvg-convert -w 64 -h 64 "$TMP/b.svg" -o "$5"
}
declare -A COR1=([cliente]="#3aa0ff" [ordem_de_servico]="#ffb040" [pedido_de_compra]="#b07cff" [venda]="#4cd67a")
declare -A COR2=([cliente]="#1560c0" [ordem_de_servico]="#e06a00" [pedido_de_compra]="#6a35c8" [venda]="#16944a")
declare -A BORDA=([cliente]="#0f4a94" [ordem_de_servico]="#a34d00" [pedido_de_compra]="#4d2394" [venda]="#0e6b34")
for nome in cliente ordem_de_servico pedido_de_compra venda; do
    botao "$nome" "#9aa6b2" "#5d6773" "#454d57" "$REC/pasta_programa/botao_${nome}_inativo.png"
    botao "$nome" "${COR1[$nome]}" "${COR2[$nome]}" "${BORDA[$nome]}" "$REC/pasta_programa/botao_${nome}_ativo.png"
done

# ícones (o de confirmar é o de ok, maior)
rsvg-convert -w 32 -h 32 "$AQUI/ok.svg" -o "$REC/icones/ok.png"
rsvg-convert -w 48 -h 48 "$AQUI/ok.svg" -o "$REC/icones/confirmar.png"
rsvg-convert -w 32 -h 32 "$AQUI/cancelar.svg" -o "$REC/icones/cancelar.png"
rsvg-convert -w 32 -h 32 "$AQUI/salvar.svg" -o "$REC/icones/salvar.png"
rsvg-convert -w 32 -h 32 "$AQUI/sair.svg" -o "$REC/icones/sair.png"
rsvg-convert -w 16 -h 16 "$AQUI/usuario.svg" -o "$REC/icones/usuario.png"
rsvg-convert -w 16 -h 16 "$AQUI/cadeado.svg" -o "$REC/icones/cadeado.png"
rsvg-convert -w 24 -h 24 "$AQUI/usuarios.svg" -o "$REC/icones/usuarios.png"

# logo do login e ícone do programa, com o desenho do botão de OS
os="$(tr -d '\n' < "$AQUI/desenho_ordem_de_servico.txt")"
sed "s|@DESENHO_OS@|$os|" "$AQUI/logo_login.svg" > "$TMP/logo.svg"
rsvg-convert -w 600 -h 200 "$TMP/logo.svg" -o "$REC/imagens/logo_login.png"
sed "s|@DESENHO_OS@|$os|" "$AQUI/osvendas.svg" > "$TMP/icone.svg"
rsvg-convert -w 256 -h 256 "$TMP/icone.svg" -o "$REC/icones/osvendas.png"
cp "$TMP/icone.svg" "$REC/osvendas.svg"
echo "figuras geradas"
