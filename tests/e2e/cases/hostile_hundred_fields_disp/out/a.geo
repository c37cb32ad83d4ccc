dnd,1,UX,v1;
dnd,1,UY,v2;
dnd,1,UZ,v3;
dnd,1,RX,v4;
dnd,1,RY,v5;
dnd,1,RZ,v6;
dnd,2,UX,a;
dnd,2,UY,b;
dnd,2,UZ,c;
dnd,2,RX,d;
dnd,2,RY,e;
dnd,2,RZ,f;

