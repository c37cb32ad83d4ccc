dnd,1,UX,0.0;
dnd,1,UY,0.5;
dnd,1,UZ,0.0;
dnd,1,RX,0.0;
dnd,1,RY,0.0;
dnd,1,RZ,0.0;
dnd,2,UX,1.0;
dnd,2,UY,0.5;
dnd,2,UZ,0.0;
dnd,2,RX,0.0;
dnd,2,RY,0.0;
dnd,2,RZ,0.0;

