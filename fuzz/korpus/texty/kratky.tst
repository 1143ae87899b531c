ANO
NE

bx
