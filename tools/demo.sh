#!/bin/sh
# Sets up a fresh Debian machine, builds OrvelMagDb and runs the demo of the command-line host on
# an embedded SQLite database (build/demo/orvelmag.db, made anew each run): the configuration, a
# new shop database, the Italian VAT codes; then discount bands, a category with its default band,
# a customer with its own band on that category, a supplier, a few articles with EANs and
# alternative codes (added one by one and imported from a CSV file), lookups by every kind of key
# a till receives, the price chain run both ways, and the band with and without the customer; then
# movement reasons, an invoice built as a till builds it (lines priced from the customer's band, a
# repeated article merged, a free gift, an extra discount, transport), shown with its totals and
# VAT summary, a load from a supplier, and the list of documents.
set -eu
cd "$(dirname "$0")/.."
tools/setup-debian.sh
cmake --preset default >/dev/null
cmake --build --preset default --target orvelmag
orvelmag=$(pwd)/build/default/orvelmag
rm -rf build/demo
mkdir -p build/demo
cd build/demo

step() { printf '\n$ orvelmag %s\n' "$*"; "$orvelmag" "$@"; }

step config
step init
step vat add 22 22 "Aliquota ordinaria" --till 1
step vat add 10 10 "Aliquota ridotta" --till 2
step vat add 5 5 "Aliquota ridotta (5%)" --till 3
step vat add 4 4 "Aliquota minima" --till 4
step vat add N4 0 "Esente art. 10 DPR 633/72" --note "operazioni esenti"
step vat list
step vat show 22

# Discount bands, a category whose articles get the STD band by default, and a customer who gets
# the RIV band on that category instead.
step band add STD "Clienti al banco" --discounts 5
step band add RIV "Rivenditori" --discounts 10,5
step category add BEV "Bevande" --band STD
step partner add 101 "Bar Sport di Bianchi Luca" --kind customer
step partner band 101 BEV RIV
step partner add 201 "Distribuzione Bevande Adriatica srl" --kind supplier

# Articles: the list price less the supplier's discounts gives the net cost, the mark-up the sale
# price, VAT the price at the till.
step article add 000001 "Montepulciano d'Abruzzo DOC 0,75 l" --ean 8001234567897 --vat 22 --category BEV \
    --list-price 10.00 --discounts 10,5 --markup 40 --alt MONTEP:0 --alt 2000000000015:1 \
    --supplier "201:FA-750:Montepulciano 75 cl"
step article add 000002 "Succo di arancia 1 l" --ean 8000000000026 --vat 10 --category BEV \
    --cost 0.95 --price-vat 2.20
step article show 000001

# A price list from the supplier, as a CSV file; one row has a malformed price and is reported
# by its line while the others go in.
cat > articoli.csv <<'CSV'
code,description,ean,vat,category,list_price,discounts,markup,alt_codes,suppliers
000003,"Birra chiara, 33 cl",4006381333931,22,BEV,0.90,10+5,60,BIRRA33:0,"201:FA-B33:Birra ""chiara"" 33 cl"
000004,Aranciata 33 cl,,22,BEV,zero,,,,
000005,Chinotto 33 cl,,22,BEV,0.55,10,70,2000000000022:1,
CSV
step article import articoli.csv || true

# What a till receives: the article's own code, an alternative code, an EAN, a barcode.
step article find 000001
step article find MONTEP
step article find 8000000000026
step article find 2000000000015 --partner 101

# The price chain from the other end: the price with VAT the shop wants, then a new list price
# that keeps the discounts and the mark-up, saved.
step article price 000001 --price-vat 15.90
step article price 000001 --list-price 11.00 --save

# Movement reasons, the kinds of documents: a sale invoice to a customer with payment and transport
# data that unloads stock, and a load from a supplier priced from the purchase list.
step reason add 1 "Fattura accompagnatoria" --type FT --party customer --payment yes --transport yes --stock unload
step reason add 2 "Carico da fornitore" --type CAF --party supplier --stock load
step reason list

# The typical request of a till or back office: an invoice for customer 101. The Montepulciano is
# entered twice (by code and by its alternative code) and merges into one line of 12 with the
# customer's band; the juice at 10% VAT by its EAN; the beer at an agreed price and discount; two
# juices given away; 3% off the whole invoice and 15.00 of transport. The document is numbered and
# saved in one transaction.
step doc new --reason 1 --customer 101 --line 000001:6 --line MONTEP:6 --line 8000000000026:12 \
    --line 000003:24:0.95:5 --gift 000002:2 --extra-discount 3 --transport 15 | tee invoice.txt
invoice=$(sed -n 's/^added document \([0-9]*\):.*/\1/p' invoice.txt)
step doc show "$invoice"

# Goods from the supplier, at the purchase prices; then every document.
step doc new --reason 2 --supplier 201 --line 000001:24 --line 000002:36
step doc list
