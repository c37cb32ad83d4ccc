dnd,12,UX,1;
dnd,12,UY,2;
dnd,12,UZ,3;
dnd,12,RX,4;
dnd,12,RY,5;
dnd,12,RZ,6;
dnd,13,UX,0.5;
dnd,13,UY,0.25;
dnd,15,UX,.;
dnd,15,UY,1;

