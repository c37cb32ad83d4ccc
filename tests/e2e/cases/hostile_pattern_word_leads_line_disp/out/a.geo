SELPIC,ND,99;

dnd,5,UX,6;
dnd,8,UX,#*;
dnd,9,UX,.;
dnd,9,UY,#*;
dnd,9,UZ,3;

