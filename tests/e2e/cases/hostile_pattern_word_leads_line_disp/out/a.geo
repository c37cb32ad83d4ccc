SELPIC,ND,99;

dnd,5,UX,6;

